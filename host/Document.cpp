// The document, workspace, session and utility classes, and host start-up.
#include <algorithm>

#include "host/CPMUnknown.h"
#include "host/HostApplication.h"
#include "host/HostRegistration.h"
#include "host/IFonts.h"
#include "host/ISession.h"
#include "host/IStyles.h"
#include "host/ITextModel.h"
#include "host/ITextUtils.h"
#include "host/ObjectModel.h"
#include "host/UtilsBoss.h"

namespace {

constexpr ImplementationID kDocumentImpl{0x3C01};
constexpr ImplementationID kStoryListImpl{0x3C02};
constexpr ImplementationID kWorkspaceImpl{0x3C03};
constexpr ImplementationID kTextUtilsImpl{0x3C04};

class DocumentImpl : public CPMUnknown<IDocument> {
 public:
  using CPMUnknown::CPMUnknown;
  UIDRef GetDocWorkSpace() const override { return workspace_; }
  IDataBase* GetDocDataBase() const override { return GetUIDRef(this).GetDataBase(); }
  void SetWorkspace(const UIDRef& workspace) { workspace_ = workspace; }

 private:
  UIDRef workspace_;
};

class StoryListImpl : public CPMUnknown<IStoryList> {
 public:
  using CPMUnknown::CPMUnknown;
  const std::vector<UID>& GetStories() const override { return stories_; }
  void AppendStory(UID story) override { stories_.push_back(story); }
  void RemoveStory(UID story) override { std::erase(stories_, story); }

 private:
  std::vector<UID> stories_;
};

class WorkspaceImpl : public CPMUnknown<IWorkspace> {
 public:
  using CPMUnknown::CPMUnknown;
};

class TextUtilsImpl : public CPMUnknown<ITextUtils> {
 public:
  using CPMUnknown::CPMUnknown;
  UID CreateStory(IDataBase* db, int32 storyKind) const override;
  bool16 IsPlainFace(const PMString& face) const override { return Is(face, FaceKind::kPlain); }
  bool16 IsItalicFace(const PMString& face) const override { return Is(face, FaceKind::kItalic); }
  bool16 IsBoldFace(const PMString& face) const override { return Is(face, FaceKind::kBold); }
  bool16 IsBoldItalicFace(const PMString& face) const override { return Is(face, FaceKind::kBoldItalic); }

 private:
  static bool16 Is(const PMString& face, FaceKind kind) { return ClassifyFaceName(face) == kind ? kTrue : kFalse; }
};

UID TextUtilsImpl::CreateStory(IDataBase* db, int32 storyKind) const {
  if (!db || (storyKind != kHiddenStory && storyKind != kListedStory)) return kInvalidUID;
  InterfacePtr<IDocument> document(db, db->GetRootUID(), UseDefaultIID());
  if (!document) return kInvalidUID;
  InterfacePtr<IStyleTable> paraStyles(document->GetDocWorkSpace(), IID_IPARASTYLETABLE);
  InterfacePtr<IStyleTable> charStyles(document->GetDocWorkSpace(), IID_ICHARSTYLETABLE);
  if (!paraStyles || !charStyles) return kInvalidUID;

  const UID story = db->NewObject(kTextStoryBoss);
  InterfacePtr<ITextModel> model(db, story, UseDefaultIID());
  InterfacePtr<IStoryOptions> options(db, story, UseDefaultIID());
  if (!model || !options) return kInvalidUID;
  // A new story's one paragraph end has the tables' root styles.
  StoryText& text = model->EditStoryText();
  const UID charRoot = charStyles->GetDefaultStyleUID();
  const UID paraRoot = paraStyles->GetDefaultStyleUID();
  text.ChangeCharacters(0, 1, [&](const RunAttributes& a) { return RunAttributes{charRoot, a.overrides}; });
  text.ChangeParagraphs(0, 1, [&](const RunAttributes& a) { return RunAttributes{paraRoot, a.overrides}; });
  options->SetBeingPlaced(kTrue);
  if (storyKind == kListedStory) {
    InterfacePtr<IStoryList> stories(document.get(), UseDefaultIID());
    if (stories) stories->AppendStory(story);
  }
  return story;
}

ISession* gSession = nullptr;
IPMUnknown* gUtils = nullptr;
IPMUnknown* gApplication = nullptr;

}  // namespace

void RegisterDocumentClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<DocumentImpl>(kDocumentImpl));
  model.InstallImplementation(MakeFactory<StoryListImpl>(kStoryListImpl));
  model.InstallImplementation(MakeFactory<WorkspaceImpl>(kWorkspaceImpl));
  model.DefineClass(kDocBoss, kInvalidClass, {{IID_IDOCUMENT, kDocumentImpl}, {IID_ISTORYLIST, kStoryListImpl}});
  model.DefineClass(kDocWorkspaceBoss, kInvalidClass, {{IID_IWORKSPACE, kWorkspaceImpl}});
  // The application's services are add-ins of their own subsystems.
  model.DefineClass(kApplicationBoss, kInvalidClass, {});
}

void RegisterUtilityClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<TextUtilsImpl>(kTextUtilsImpl));
  model.DefineClass(kUtilsBoss, kInvalidClass, {{IID_ITEXTUTILS, kTextUtilsImpl}});
}

IPMUnknown* UtilsBoss::QueryUtils(PMIID interfaceID) {
  if (!gUtils) gUtils = ObjectModel::Instance().CreateBoss(kUtilsBoss);
  return gUtils ? gUtils->QueryInterface(interfaceID) : nullptr;
}

void IActiveContext::SetContext(IDocument* document, IWorkspace* workspace) {
  document_.reset(AddRefed(document));
  workspace_.reset(AddRefed(workspace));
}

void ISession::ActivateDocument(IDocument* document) {
  if (!document) return context_.Clear();
  InterfacePtr<IWorkspace> workspace(document->GetDocWorkSpace(), UseDefaultIID());
  context_.SetContext(document, workspace.get());
}

ISession* GetExecutionContextSession() { return gSession; }

IPMUnknown* ISession::QueryApplication() const {
  if (!gApplication) gApplication = ObjectModel::Instance().CreateBoss(kApplicationBoss);
  return gApplication ? gApplication->QueryInterface(PMIID(IPMUnknown::kDefaultIID)) : nullptr;
}

void InitializeHost() {
  if (gSession) return;
  ObjectModel& model = ObjectModel::Instance();
  RegisterDocumentClasses(model);
  RegisterStyleClasses(model);
  RegisterTextStoryClasses(model);
  RegisterTextAttributeClasses(model);
  RegisterUtilityClasses(model);
  RegisterFontClasses(model);
  RegisterSwatchClasses(model);
  RegisterTextAttributeReport(model);
  gSession = new ISession();  // lives as long as the process
}

std::unique_ptr<HostDocument> HostDocument::Create() {
  InitializeHost();
  std::unique_ptr<HostDocument> doc(new HostDocument());
  doc->db_ = std::make_unique<IDataBase>();
  IDataBase* db = doc->db_.get();
  const UID docUID = db->NewObject(kDocBoss);
  const UID workspaceUID = db->NewObject(kDocWorkspaceBoss);
  db->SetRootUID(docUID);
  doc->document_.reset(static_cast<IDocument*>(db->Instantiate(docUID, IID_IDOCUMENT)));
  static_cast<DocumentImpl*>(doc->document_.get())->SetWorkspace(UIDRef(db, workspaceUID));

  // Each style table starts with its name-less root style.
  for (const bool paragraph : {true, false}) {
    InterfacePtr<IStyleTable> table(db, workspaceUID, paragraph ? IID_IPARASTYLETABLE : IID_ICHARSTYLETABLE);
    const UID root = db->NewObject(paragraph ? kParaStyleBoss : kCharStyleBoss);
    InterfacePtr<IStyleInfo> info(db, root, UseDefaultIID());
    info->SetIsParagraphStyle(paragraph ? kTrue : kFalse);
    table->AddStyle(root);
  }
  return doc;
}

HostDocument::~HostDocument() {
  IActiveContext* context = gSession ? gSession->GetActiveContext() : nullptr;
  if (context && context->GetContextDocument() == document_.get()) context->Clear();
  document_.reset();
  db_.reset();
}

void HostDocument::Activate() const { gSession->ActivateDocument(document_.get()); }
