// The host's numbers: boss classes, interfaces and implementations. Numbers
// that plug-ins pass literally are the ones they use; the rest are this
// host's own choice.
#pragma once

#include "host/Types.h"

// Boss classes.
constexpr ClassID kUtilsBoss{0x3A01};
constexpr ClassID kApplicationBoss{0x3A05};
constexpr ClassID kDocBoss{0x3A02};
constexpr ClassID kDocWorkspaceBoss{0x3A03};
constexpr ClassID kTextStoryBoss{0x3A04};
constexpr ClassID kCharAttrStrandBoss{0x235};  // also the character strategy class of text commands
constexpr ClassID kParaAttrStrandBoss{0x236};  // also the paragraph strategy class
constexpr ClassID kInsertTextCmdBoss{0x3A10};
constexpr ClassID kDeleteTextCmdBoss{0x3A11};
constexpr ClassID kApplyTextAttrCmdBoss{0x3A12};
constexpr ClassID kClearOverridesCmdBoss{0x3A13};
constexpr ClassID kApplyTextStyleCmdBoss{0x3A14};
constexpr ClassID kDeleteStoryCmdBoss{0x3A15};
constexpr ClassID kCreateParaStyleCmdBoss{0x20C};
constexpr ClassID kCreateCharStyleCmdBoss{0x20D};
constexpr ClassID kParaStyleBoss{0x3A20};
constexpr ClassID kCharStyleBoss{0x3A21};

// Interfaces.
constexpr PMIID IID_IPMUNKNOWN{0x101};
constexpr PMIID IID_ICOMMAND{0x1001};
constexpr PMIID IID_ITEXTMODEL{0x202};
constexpr PMIID IID_IATTRIBUTESTRAND{0x20A};
constexpr PMIID IID_ITEXTMODELCMDS{0x2FE};
constexpr PMIID IID_ITEXTUTILS{0x28A};
constexpr PMIID IID_ISTORYCMDS{0x2C0A};
constexpr PMIID IID_ISTORYOPTIONS{0x8C15};
constexpr PMIID IID_IDOCUMENT{0x3B01};
constexpr PMIID IID_IWORKSPACE{0x3B02};
constexpr PMIID IID_ISTORYLIST{0x3B03};
constexpr PMIID IID_ITEXTDEFAULTS{0x3B04};
constexpr PMIID IID_ITEXTATTRIBUTEREPORT{0x233};
constexpr PMIID IID_IPARASTYLETABLE{0xCA0C};
constexpr PMIID IID_ICHARSTYLETABLE{0xCA0D};
constexpr PMIID IID_ISTYLEINFO{0x218};
constexpr PMIID IID_ISTYLEATTRIBUTES{0x21B};
