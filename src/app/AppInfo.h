#pragma once

#include <QString>
#include <QStringList>

// The program's identity as the window and the About page show it.
namespace vimo::appinfo {

inline constexpr const char* kName = "Vimo";
inline constexpr const char* kSubtitle = "Altitude Data Recording and Monitoring System";
inline constexpr const char* kMaker = "Made by Brennick for pilots of model aircraft";
inline constexpr const char* kOrganisation = "Brennick"; // also the settings' owner
inline constexpr const char* kEmail = "support@vimo-altimeter.example";
inline constexpr const char* kManualFile = "VimoManual.pdf";

// The web address shown on the About page; the plot's second footer line names the same.
QString webSite();

// The program's version: "1.0.0", and in a build from git the commit, "1.0.0 (git 8e4410e)".
QString versionText();

// When this program was built: the compiler's date and time, "May 21 2008, 20:47:08".
QString buildText();

// Where the user manual may be, in the order to look: beside the running program (a build, an unpacked folder),
// then in the program's installed data folder, found from the program and as the build installs it.
QStringList manualPlaces();

} // namespace vimo::appinfo
