#include "app/dialog_pictures.h"

#include <set>

#include "host/output/dialog_svg.h"

namespace kavro::app {
namespace {

// "Settings page!" -> "settings-page"; a name with nothing to keep becomes
// "snapshot".
std::string FileNamePart(const std::string &name) {
  std::string part;
  for (const char c : name) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    const bool upper = c >= 'A' && c <= 'Z';
    if (keep || upper) {
      part += upper ? static_cast<char>(c - 'A' + 'a') : c;
    } else if (!part.empty() && part.back() != '-') {
      part += '-';
    }
  }
  while (!part.empty() && part.back() == '-') part.pop_back();
  return part.empty() ? "snapshot" : part;
}

// Names within one dialog: a repeated name gets "-2", "-3"...
class UniqueNames {
 public:
  std::string Take(const std::string &name) {
    std::string unique = name;
    for (int n = 2; !taken_.insert(unique).second; ++n) unique = name + "-" + std::to_string(n);
    return unique;
  }

 private:
  std::set<std::string> taken_;
};

}  // namespace

std::vector<DialogPicture> DialogPictures(const std::vector<host::DialogRecord> &dialogs) {
  std::vector<DialogPicture> pictures;
  for (std::size_t i = 0; i < dialogs.size(); ++i) {
    const host::DialogRecord &dialog = dialogs[i];
    const std::string prefix = "dialog-" + std::to_string(i + 1) + "-";
    UniqueNames names;
    names.Take("closed");
    for (const host::DialogSnapshot &snapshot : dialog.snapshots) {
      pictures.push_back({prefix + names.Take(FileNamePart(snapshot.name)) + ".svg",
                          host::WriteDialogSvg(dialog, snapshot.items)});
    }
    pictures.push_back({prefix + "closed.svg", host::WriteDialogSvg(dialog, dialog.items)});
  }
  return pictures;
}

}  // namespace kavro::app
