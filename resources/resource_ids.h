#pragma once
// Every resource id of the program, named once: dialog templates, the controls of each
// template, strings, bitmaps and the icon. Control ids are per template; the about box
// and the splash content share theirs, and some numbers mean another control in the
// main dialog.

namespace pemlar {

// Controls nobody addresses (group frames, fixed texts).
inline constexpr int kNoId = -1;
// The platform's standard buttons: Return and Escape end a dialog with them.
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;

// Dialog templates
inline constexpr int kMainDialog = 1000;
inline constexpr int kReadPromptDialog = 2000;
inline constexpr int kReadProgressDialog = 2001;
inline constexpr int kWritePromptDialog = 2002;
inline constexpr int kWriteProgressDialog = 2003;
inline constexpr int kAboutDialog = 2016;
inline constexpr int kSplashDialog = 2017;  // the about box's content, without its frame

// Controls of the main dialog; "&Beenden" is kOkButton.
inline constexpr int kReadButton = 101;
inline constexpr int kLoadButton = 102;
inline constexpr int kSaveButton = 103;
inline constexpr int kCentreButton = 104;
inline constexpr int kSettingsGroup = 105;
inline constexpr int kSetButton = 106;
inline constexpr int kWriteButton = 107;
inline constexpr int kInfoButton = 110;
inline constexpr int kIdNumberGroup = 111;
inline constexpr int kPortList = 113;
inline constexpr int kInstrumentGroup = 114;
inline constexpr int kLeftButton = 115;
inline constexpr int kLabelList = 119;
inline constexpr int kAddressEdit = 120;
inline constexpr int kIdNumberEdit = 121;
inline constexpr int kIdCodeEdit = 122;
inline constexpr int kIdDateEdit = 123;

// Controls of the about box and the splash content
inline constexpr int kCopyrightText = 102;  // splash content only
inline constexpr int kMakerText = 103;      // splash content only
inline constexpr int kRightsText = 104;     // splash content only
inline constexpr int kEmblemPicture = 120;
inline constexpr int kNamePicture = 121;
inline constexpr int kVersionText = 122;

// Strings
inline constexpr int kFileFilterString = 10300;
inline constexpr int kLoadTitleString = 10301;
inline constexpr int kSaveTitleString = 10302;
inline constexpr int kMsgTimeout = 10303;
inline constexpr int kMsgTransferError = 10304;
inline constexpr int kMsgChecksumError = 10305;
inline constexpr int kMsgCloseFailed = 10306;
inline constexpr int kMsgOpenFailed = 10307;
inline constexpr int kMsgInitFailed = 10308;
inline constexpr int kMsgInstrumentError = 10309;
inline constexpr int kMsgWriteDone = 10310;
inline constexpr int kProgramTitleString = 10311;
inline constexpr int kVersionString = 10312;
inline constexpr int kMsgSaveFailed = 10313;
inline constexpr int kMsgLoadFailed = 10314;
inline constexpr int kMsgUnshownChars = 10315;
inline constexpr int kMsgBackupFailed = 10316;
inline constexpr int kMsgUnsavedAddress = 10317;
inline constexpr int kWarningCaption = 12100;
inline constexpr int kErrorCaption = 12101;
inline constexpr int kInfoCaption = 12102;
inline constexpr int kQuestionCaption = 12103;

// Bitmaps and the icon group; the files in art/ carry these numbers in their names.
inline constexpr int kEmblemBitmap = 3300;
inline constexpr int kNameBitmap = 3301;
inline constexpr int kProgramIcon = 1400;

}  // namespace pemlar
