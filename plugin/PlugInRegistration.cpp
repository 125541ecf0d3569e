#include "plugin/PlugInRegistration.h"

#include "host/IImportProvider.h"
#include "host/ObjectModel.h"
#include "import/QXTImportProvider.h"
#include "import/UNICODEFileReader.h"
#include "plugin/PlugInStrings.h"

void RegisterBriskoPlugIn(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<QXTImportProvider>(kQXTImportProviderImpl));
  model.InstallImplementation(MakeFactory<UNICODEFileReader>(kUnicodeFileReaderImpl));
  model.DefineClass(kQXTImportProviderBoss, kInvalidClass, {{PMIID(IImportProvider::kDefaultIID), kQXTImportProviderImpl}});
  RegisterBriskoStringTables();
}
