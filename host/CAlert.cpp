#include "host/CAlert.h"

#include <cstdio>
#include <string>

namespace {
std::vector<PMString> gShown;
bool gEcho = true;
}  // namespace

int16 CAlert::ModalAlert(const PMString& message, const PMString& button1, const PMString&, const PMString&,
                         int16 defaultButton, int16) {
  gShown.push_back(message);
  if (gEcho) {
    std::string text = message.GetUTF8String();
    for (char& c : text) {
      if (c == '\r') c = '\n';
    }
    std::fprintf(stderr, "%s\n[%s]\n", text.c_str(), button1.GetUTF8String().c_str());
  }
  return defaultButton;
}

const std::vector<PMString>& CAlert::ShownAlerts() { return gShown; }
void CAlert::ClearShownAlerts() { gShown.clear(); }
void CAlert::SetEchoToStandardError(bool echo) { gEcho = echo; }
