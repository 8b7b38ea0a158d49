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
    f.serverAddress.clear();
    f.networkFolder = f.defaultFolder;
    f.userName = "anonymous";
    f.password.clear();
    f.port = kDefaultPort;
    f.Text1.setText(f.defaultFolder);
    saveSettings(f);
    f.txtURLbox.setText("");
    return;
  }
  f.serverAddress = (*lines)[0];
  f.networkFolder = (*lines)[2];
  f.userName = (*lines)[3];
  f.password = (*lines)[4];
  if (f.inFtpMode()) f.txtURLbox.setText(f.serverAddress);
  if (f.inNetworkMode()) f.txtURLbox.setText(f.networkFolder);
  f.Text1.setText((*lines)[1]);
  f.port = validPort(platform::leadingNumber((*lines)[5]));
}

bool saveSettings(FtpWindow& f) {
  return platform::writeLinesReplacing(
      settingsFilePath(f),
      {f.serverAddress, f.Text1.text(), f.networkFolder, f.userName, f.password, platform::plainForm(f.port)},
      {}, kOwnerOnly);
}

std::string credentials(const FtpWindow& f) {
  if (platform::upperCase(f.userName) == "ANONYMOUS") return {};
  return f.userName + ":" + f.password + "@";
}

std::string transferAddress(const FtpWindow& f) {
  return "ftp://" + credentials(f) + f.txtURLbox.text();
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
  f.serverAddress = f.txtURLbox.text();
  if (f.serverAddress.empty()) {
    f.txtURLbox.setText(f.connectUrl);
    return false;
  }
  f.serverAddress = withoutTrailingSlash(f.serverAddress);
  f.connectUrl = startsWithFtp(f.serverAddress) ? f.serverAddress : transferAddress(f);
  return true;
}

}  // namespace transfer
