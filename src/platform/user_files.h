#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The two places a user's own files are kept: what they chose, and what the programs remember for them.
enum class UserShelf { Config, Data };

// The folder of the system's files on a shelf ("studio3d" under the user's configuration or data folder), or
// on the web the prefix of their keys in the browser's local storage.
std::string userFolder(UserShelf shelf);

// Small text files of one user, by name: files in userFolder on the desktop, local storage on the web.
class UserFiles {
  public:
    explicit UserFiles(UserShelf shelf) : folder_(userFolder(shelf)) {}

    // Where the named file is, as the user would look for it: a path, or a storage key.
    std::string where(std::string_view name) const;
    // The contents, or nothing when there is no such file or it cannot be read.
    std::optional<std::string> read(std::string_view name) const;
    // Written whole beside the old one, then renamed over it: a reader finds the old contents or the new,
    // never a part. False when it could not be written.
    bool write(std::string_view name, std::string_view contents) const;
    // Renames the file with suffix appended, over any file set aside before with the same suffix.
    bool setAside(std::string_view name, std::string_view suffix) const;
    // Reads, changes and writes the named file while no other program does the same: change is given the
    // current contents and returns the new ones, or nothing to leave the file alone. False when it could not
    // be written.
    using Change = std::function<std::optional<std::string>(const std::optional<std::string>&)>;
    bool update(std::string_view name, const Change& change) const;

  private:
    std::string folder_;
};

// Renames from over to, replacing it in one step; false on failure. Each desktop backend has its own.
bool replaceFile(const std::string& from, const std::string& to);

}  // namespace platform
