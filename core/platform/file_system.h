#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The program's only contact with the file system. Paths are UTF-8 on every
// system; reasons for a failure are the system's own message for it.
namespace billpay {

enum class ReadStatus {
    Read,      // `bytes` holds the whole file
    TooLarge,  // the file holds more than the limit; nothing is kept
    Failed,    // the file could not be opened or read; `error` says why
};

struct WholeFile {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
    std::string error;
};

// Reads a whole file (or what a pipe or device gives until its end) into
// memory, keeping at most `maxBytes`. The file is read with ordinary reads,
// never mapped, so a file that shrinks or vanishes while it is read gives
// the bytes that were there, not a fault.
WholeFile ReadWholeFile(std::string_view path, std::size_t maxBytes);

// Writes `contents` to `path` so that the file is either wholly replaced or
// left as it was: the bytes go to a temporary file in the target's folder,
// which is flushed to disk and then renamed over the target; on any failure,
// and when the program is interrupted meanwhile, the temporary file is
// removed. A symbolic link keeps pointing where it did and the file it
// points to is replaced. The new file keeps the permissions of the file it
// replaces, or gets the usual ones for a new file. A file the user may not
// write is refused, as a folder is. A target that is neither a regular file
// nor a folder (a device, a pipe) is written directly. Returns the reason on
// failure, nothing on success.
std::optional<std::string> WriteFileReplacing(std::string_view path, std::string_view contents);

// True when both paths name one existing file (through links or different
// spellings); false when they do not or either cannot be looked at.
bool IsSameFile(std::string_view first, std::string_view second);

// The reason given for an empty file name.
inline constexpr std::string_view kNoFileName = "No file name was given.";

}  // namespace billpay
