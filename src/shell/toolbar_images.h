#pragma once

// GIF data of the toolbar pictures (48 x 48) and of the program's image (16 x 16).

extern const unsigned char kLogInGif[];
extern const unsigned char kLogOutGif[];
extern const unsigned char kConnectGif[];
extern const unsigned char kDisconnectGif[];
extern const unsigned char kSubscriberGif[];
extern const unsigned char kTrunkGif[];
extern const unsigned char kWatchCallGif[];
extern const unsigned char kBAnalysisGif[];
extern const unsigned char kDiagnosticsGif[];
extern const unsigned char kDiagReportGif[];
extern const unsigned char kBackupGif[];
extern const unsigned char kClockGif[];
extern const unsigned char kTableGif[];
extern const unsigned char kAlarmsGif[];
extern const unsigned char kHelpGif[];
extern const unsigned char kAppGif[];
