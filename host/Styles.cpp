// Style bosses, style tables and the create-style commands.
#include <algorithm>
#include <unordered_map>

#include "host/CmdUtils.h"
#include "host/HostRegistration.h"
#include "host/IDataBase.h"
#include "host/IStyles.h"
#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"

namespace {

constexpr ImplementationID kStyleTableImpl{0x3C20};
constexpr ImplementationID kStyleInfoImpl{0x3C21};
constexpr ImplementationID kStyleAttributesImpl{0x3C22};
constexpr ImplementationID kCreateStyleCmdImpl{0x3C23};

class StyleTableImpl : public CPMUnknown<IStyleTable> {
 public:
  using CPMUnknown::CPMUnknown;

  UID FindByName(const PMString& name) const override {
    if (name.IsEmpty()) return kInvalidUID;
    const auto found = byName_.find(name.Units());
    return found == byName_.end() ? kInvalidUID : found->second;
  }
  UID GetDefaultStyleUID() const override { return styles_.empty() ? kInvalidUID : styles_.front(); }
  const std::vector<UID>& GetStyles() const override { return styles_; }
  // The table is indexed by name as styles join it (a style's name does
  // not change afterwards), so a lookup costs the same however many styles
  // a document has.
  void AddStyle(UID style) override {
    styles_.push_back(style);
    InterfacePtr<IStyleInfo> info(GetUIDRef(this).GetDataBase(), style, UseDefaultIID());
    if (info && !info->GetName().IsEmpty()) byName_.emplace(info->GetName().Units(), style);
  }

 private:
  std::vector<UID> styles_;
  std::unordered_map<std::u16string, UID> byName_;
};

class StyleInfoImpl : public CPMUnknown<IStyleInfo> {
 public:
  using CPMUnknown::CPMUnknown;
  void SetBasedOn(UID style) override { basedOn_ = style; }
  UID GetBasedOn() const override { return basedOn_; }
  void SetNextStyle(UID style) override { next_ = style; }
  UID GetNextStyle() const override { return next_; }
  void SetName(const PMString& name, int32) override { name_ = name; }
  const PMString& GetName() const override { return name_; }
  void SetIsParagraphStyle(bool16 paragraph) override { paragraph_ = paragraph != 0; }
  bool16 IsParagraphStyle() const override { return paragraph_ ? kTrue : kFalse; }
  void SetKeyboardShortcut(int32 shortcut) override { shortcut_ = shortcut; }
  int32 GetKeyboardShortcut() const override { return shortcut_; }

 private:
  UID basedOn_ = kInvalidUID;
  UID next_ = kInvalidUID;
  PMString name_;
  bool paragraph_ = false;
  int32 shortcut_ = 0;
};

class StyleAttributesImpl : public CPMUnknown<IStyleAttributes> {
 public:
  using CPMUnknown::CPMUnknown;
  void ClearAttributes() override { values_ = OverrideSet::EmptySet(); }
  void ApplyAttributes(const AttributeBossList* list) override {
    if (list) values_ = OverrideSet::With(values_, list->Values());
  }
  const std::vector<AttributeEntry>& GetAttributes() const override { return values_->Entries(); }

 private:
  OverrideSetPtr values_ = OverrideSet::EmptySet();
};

// Creates a style in the table of the workspace in its item list. Fails for
// an empty name, a name the table already has, a kind flag that does not
// match the command's class, or a based-on style that is not a style of the
// table (kInvalidUID means the table's root style).
class CreateStyleCmd : public Command {
 public:
  using Command::Command;

 protected:
  void Do() override;
  PMString* CreateName() override { return new PMString("New Style"); }
};

void CreateStyleCmd::Do() {
  const auto fail = [] { ErrorUtils::PMSetGlobalErrorCode(kFailure); };
  const bool paragraph = GetClass(this) == kCreateParaStyleCmdBoss;
  InterfacePtr<IStyleInfo> data(this, UseDefaultIID());
  InterfacePtr<IStyleAttributes> attributes(this, UseDefaultIID());
  if (GetItemList().Length() != 1 || !data || !attributes) return fail();
  const UIDRef workspace = GetItemList().GetRef(0);
  IDataBase* db = workspace.GetDataBase();
  InterfacePtr<IStyleTable> table(workspace, paragraph ? IID_IPARASTYLETABLE : IID_ICHARSTYLETABLE);
  if (!table || data->GetName().IsEmpty() || (data->IsParagraphStyle() != 0) != paragraph ||
      table->FindByName(data->GetName()) != kInvalidUID) {
    return fail();
  }
  // A document has one table of each kind, so a style of the kind in its
  // database is a style of the table.
  const ClassID styleClass = paragraph ? kParaStyleBoss : kCharStyleBoss;
  UID basedOn = data->GetBasedOn();
  if (basedOn == kInvalidUID) basedOn = table->GetDefaultStyleUID();
  InterfacePtr<IStyleInfo> base(db, basedOn, UseDefaultIID());
  if (!base || GetClass(base.get()) != styleClass) return fail();

  const UID style = db->NewObject(styleClass);
  InterfacePtr<IStyleInfo> info(db, style, UseDefaultIID());
  InterfacePtr<IStyleAttributes> styleAttributes(db, style, UseDefaultIID());
  if (!info || !styleAttributes) return fail();
  info->SetName(data->GetName());
  info->SetBasedOn(basedOn);
  info->SetNextStyle(data->GetNextStyle());
  info->SetIsParagraphStyle(data->IsParagraphStyle());
  info->SetKeyboardShortcut(data->GetKeyboardShortcut());
  const auto copy = AttributeBossList::FromValues(attributes->GetAttributes());
  styleAttributes->ApplyAttributes(copy.get());
  table->AddStyle(style);
}

}  // namespace

void RegisterStyleClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<StyleTableImpl>(kStyleTableImpl));
  model.InstallImplementation(MakeFactory<StyleInfoImpl>(kStyleInfoImpl));
  model.InstallImplementation(MakeFactory<StyleAttributesImpl>(kStyleAttributesImpl));
  model.InstallImplementation(MakeFactory<CreateStyleCmd>(kCreateStyleCmdImpl));
  const std::vector<InterfaceBinding> styleInterfaces = {{IID_ISTYLEINFO, kStyleInfoImpl},
                                                         {IID_ISTYLEATTRIBUTES, kStyleAttributesImpl}};
  model.DefineClass(kParaStyleBoss, kInvalidClass, styleInterfaces);
  model.DefineClass(kCharStyleBoss, kInvalidClass, styleInterfaces);
  auto commandInterfaces = styleInterfaces;
  commandInterfaces.push_back({IID_ICOMMAND, kCreateStyleCmdImpl});
  model.DefineClass(kCreateParaStyleCmdBoss, kInvalidClass, commandInterfaces);
  model.DefineClass(kCreateCharStyleCmdBoss, kInvalidClass, commandInterfaces);
  // The workspace carries one table of each kind.
  model.AddIn(kDocWorkspaceBoss, {IID_IPARASTYLETABLE, kStyleTableImpl});
  model.AddIn(kDocWorkspaceBoss, {IID_ICHARSTYLETABLE, kStyleTableImpl});
}
