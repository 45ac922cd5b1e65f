#include "core/data_location.h"

namespace tw {

const std::vector<std::string>& UserDataFiles() {
  static const std::vector<std::string> files = {"Reco.dat", "RecoSel.dat", "TwHd.dat", "TwNd.dat", "TwBd.dat"};
  return files;
}

SettingsLocation ChooseSettingsFile(const std::string& userFolder, const std::vector<std::string>& oldFiles,
                                    FileSystem& fs) {
  SettingsLocation loc;
  if (userFolder.empty() || !fs.MakeFolder(userFolder)) {
    loc.file = kSettingsFileName;
    return loc;
  }
  loc.file = userFolder + kSettingsFileName;
  if (fs.Exists(loc.file)) return loc;
  for (const std::string& old : oldFiles) {
    if (!fs.Exists(old)) continue;
    if (fs.Copy(old, loc.file)) loc.takenFrom = old;
    break;  // a failed copy leaves a fresh file, never an older one than the first found
  }
  return loc;
}

DataFolders ChooseDataFolders(const std::string& path, const std::string& programFolder,
                              const std::string& userFolder, FileSystem& fs) {
  DataFolders d;
  if (!path.empty() || programFolder.empty() || !fs.Exists(programFolder + "Moon.dat")) {
    d.program = d.user = path;
    return d;
  }
  d.program = programFolder;
  // Without a user folder the defaults are all there is; saving then fails with the
  // program's own message instead of writing somewhere unexpected.
  d.user = !userFolder.empty() && fs.MakeFolder(userFolder) ? userFolder : programFolder;
  if (d.user == d.program) return d;
  for (const std::string& f : UserDataFiles()) {
    if (!fs.Exists(d.user + f) && fs.Exists(d.program + f) && fs.Copy(d.program + f, d.user + f))
      d.seeded = true;
  }
  return d;
}

}  // namespace tw
