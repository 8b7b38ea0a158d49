// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/connection_settings.h"

#include <cmath>

#include "platform/text_case.h"
#include "platform/text_file.h"
#include "platform/text_number.h"

namespace transfer {
namespace {

constexpr int kSettingsLines = 6;
constexpr double kDefaultPort = 21;
constexpr unsigned kOwnerOnly = 0600;  // the file holds a password

bool startsWithFtp(const std::string& text) {
  return platform::upperCase(text.substr(0, 3)) == "FTP";
}

// A port is a whole number from 1 to 65535; anything else means the usual 21.
double validPort(double port) {
  return port >= 1 && port <= 65535 && std::floor(port) == port ? port : kDefaultPort;
}

}  // namespace

std::filesystem::path settingsFilePath(const FtpWindow& f) {
  return f.dataFolder / "user.db";
}

void loadSettings(FtpWindow& f) {
  const auto lines = platform::readLines(settingsFilePath(f), kSettingsLines);
  if (!lines || lines->size() < kSettingsLines) {
    f.settings.serverAddress.clear();
    f.settings.networkFolder = f.defaultFolder;
    f.settings.userName = "anonymous";
    f.settings.password.clear();
    f.settings.port = kDefaultPort;
    f.Text1.setText(f.defaultFolder);
    saveSettingsOrTell(f);
    f.txtURLbox.setText("");
    return;
  }
  f.settings.serverAddress = (*lines)[0];
  f.settings.networkFolder = (*lines)[2];
  f.settings.userName = (*lines)[3];
  f.settings.password = (*lines)[4];
  if (f.inFtpMode()) f.txtURLbox.setText(f.settings.serverAddress);
  if (f.inNetworkMode()) f.txtURLbox.setText(f.settings.networkFolder);
  f.Text1.setText((*lines)[1]);
  f.settings.port = validPort(platform::leadingNumber((*lines)[5]));
}

bool saveSettings(FtpWindow& f) {
  return platform::writeLinesReplacing(
      settingsFilePath(f),
      {f.settings.serverAddress, f.Text1.text(), f.settings.networkFolder, f.settings.userName,
       f.settings.password, platform::plainForm(f.settings.port)},
      {}, kOwnerOnly);
}

void saveSettingsOrTell(FtpWindow& f) {
  if (!saveSettings(f)) {
    f.host.messageBox("The settings could not be saved to " + settingsFilePath(f).string() + ".",
                      platform::MessageButtons::Ok);
  }
}

std::string credentials(const FtpWindow& f) {
  if (platform::upperCase(f.settings.userName) == "ANONYMOUS") return {};
  return f.settings.userName + ":" + f.settings.password + "@";
}

namespace {

constexpr std::string_view kSchemes[] = {"ftp://", "ftpes://", "ftps://"};

// The scheme the address starts with, in any case; empty when none.
std::string_view schemeOf(const std::string& address) {
  for (const std::string_view scheme : kSchemes)
    if (platform::equalIgnoringCase(std::string_view(address).substr(0, scheme.size()), scheme))
      return scheme;
  return {};
}

}  // namespace

std::string typedScheme(const FtpWindow& f) {
  const std::string_view scheme = schemeOf(f.txtURLbox.text());
  return std::string(scheme.empty() ? kSchemes[0] : scheme);
}

std::string typedAddress(const FtpWindow& f) {
  const std::string& address = f.txtURLbox.text();
  return address.substr(schemeOf(address).size());
}

std::string transferAddress(const FtpWindow& f) {
  return typedScheme(f) + credentials(f) + typedAddress(f);
}

std::string startupAddress(const FtpWindow& f) {
  const std::string& address = f.txtURLbox.text();
  return (startsWithFtp(address) ? "" : "ftp://") + credentials(f) + address;
}

std::string withoutTrailingSlash(std::string text) {
  if (!text.empty() && text.back() == '/') text.pop_back();
  return text;
}

bool takeServerAddress(FtpWindow& f) {
  f.settings.serverAddress = f.txtURLbox.text();
  if (f.settings.serverAddress.empty()) {
    f.txtURLbox.setText(f.remote.connectUrl);
    return false;
  }
  f.settings.serverAddress = withoutTrailingSlash(f.settings.serverAddress);
  f.remote.connectUrl =
      startsWithFtp(f.settings.serverAddress) ? f.settings.serverAddress : transferAddress(f);
  return true;
}

}  // namespace transfer
