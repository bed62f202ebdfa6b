// One of the program's own files as this run knows it, so that a write that
// fails is reported only when it loses changes: a folder that cannot be
// written (a read-only share, a CD) is no alarm where nothing was changed.
// The file holds the value read from it at the start (as a later run reads
// it too), or the one last written to it since.
#pragma once

#include <optional>
#include <utility>

namespace vorlant {

enum class FileSave {
    Written,
    FailedNothingLost,  // not written, but the file holds this value already
    FailedChangesLost,  // not written, and the file holds another value, or one this run never read
};

template <typename Value>
class KnownFile {
public:
    // What was read from the file (or what a reader makes of its absence).
    void Read(Value value) { held_ = std::move(value); }

    // Writes `value` with `write` (true when written) and tells what a
    // failure costs. After a failed write the file is taken to hold what it
    // held before. So it does when a layout file fails (written beside it,
    // then put in its place); the INI file is written key by key, and one
    // that fails part-way may hold the keys written before the failure, of
    // `value` already, and the others as before.
    template <typename Write>
    FileSave Save(const Value& value, Write&& write) {
        if (std::forward<Write>(write)(value)) {
            held_ = value;
            return FileSave::Written;
        }
        return held_ && *held_ == value ? FileSave::FailedNothingLost : FileSave::FailedChangesLost;
    }

private:
    std::optional<Value> held_;
};

}  // namespace vorlant
