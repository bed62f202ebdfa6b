// The layout files as this run knows them, so that a write that fails is
// reported only when it loses changes: each version's file holds the layout
// read from it (its defaults when it held no whole layout, as a later run
// reads it too), or the one last written to it since.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "layout/card_layout.h"

namespace vorlant {

class StringSource;

enum class LayoutSave {
    Written,
    FailedNothingLost,  // not written, but the file holds this layout already
    FailedChangesLost,  // not written, and the file holds another layout, or one this run never read
};

class LayoutFiles {
public:
    // The folder of the files; empty: the working directory.
    explicit LayoutFiles(std::string folder = {}) : folder_(std::move(folder)) {}

    // The version's layout file, or its defaults when it holds no whole
    // layout.
    CardLayout Load(int version, const StringSource& strings);

    // Writes `layout` as the version's file, changed or not.
    LayoutSave Save(int version, const CardLayout& layout);

private:
    std::string folder_;
    std::map<int, CardLayout> held_;
};

}  // namespace vorlant
