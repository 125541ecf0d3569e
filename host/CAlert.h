// CAlert: modal alerts. This host has no windows: an alert is shown as its
// text on standard error (a CR in the text starts a new line there), and the
// host keeps every alert text shown, in order, so that the host application
// can put them into its results. The alert "closes" at once with its default
// button.
#pragma once

#include <vector>

#include "host/PMString.h"

class CAlert {
 public:
  // Returns the number of the button that closed the alert (the default one).
  static int16 ModalAlert(const PMString& message, const PMString& button1, const PMString& button2,
                          const PMString& button3, int16 defaultButton, int16 flags);

  static const std::vector<PMString>& ShownAlerts();
  static void ClearShownAlerts();
  // Whether alerts are echoed to standard error (tests switch it off).
  static void SetEchoToStandardError(bool echo);
};
