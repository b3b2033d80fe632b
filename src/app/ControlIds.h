#pragma once

namespace tw {

// The fixed ids of the main window's controls and menu commands. Tests and the layout table find
// controls by them (kept as the "controlId" / "commandId" properties).
enum ControlId : int {
  kIdFileList = 1000,
  kIdPricingCombo = 1003,
  kIdCountStatistic = 1004,
  kIdCurrencyCombo = 1005,
  kIdRateEdit = 1008,
  kIdHtmCheck = 1014,
  kIdCountList = 1017,
  kIdFolderTree = 1018,
  kIdAddAll = 1019,
  kIdRemoveAll = 1020,
  kIdDocCheck = 1023,
  kIdRtfCheck = 1024,
  kIdXlsCheck = 1025,
  kIdTxtCheck = 1026,
  kIdAddSubfolders = 1063,
  kIdRemove = 1062,
  kIdRemoveFrame = 1065,
  kIdBottomFrame = 1066,
  kIdPptCheck = 1071,
  kIdCalc = 1072,
  kIdAddSelected = 1076,
  kIdPdfCheck = 1077,
  kIdTypeFrame = 1081,
  kIdPricingLabel = 1111,
  kIdSaveReport = 1112,
  kIdHomeButton = 1200,
  kIdFolderPath = 1201,
  kIdMoreTypesButton = 1202,
};

enum CommandId : int {
  kCmdAboutSystem = 16,
  kCmdCountStatistics = 32771,
  kCmdCurrencyConverter = 32772,
  kCmdExit = 32773,
  kCmdCurrency = 32777,
  kCmdAbout = 32780,
  kCmdOptions = 32782,
};

inline constexpr const char* kControlIdProperty = "controlId";
inline constexpr const char* kCommandIdProperty = "commandId";

}  // namespace tw
