// The layout files as this run knows them (KnownFile): each version's file
// holds the layout read from it, its defaults when it held no whole layout,
// or the one last written to it since.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "layout/card_layout.h"
#include "layout/known_file.h"

namespace vorlant {

class StringSource;

class LayoutFiles {
public:
    // The folder of the files; empty: the working directory.
    explicit LayoutFiles(std::string folder = {}) : folder_(std::move(folder)) {}

    // The version's layout file, or its defaults when it holds no whole
    // layout.
    CardLayout Load(int version, const StringSource& strings);

    // Writes `layout` as the version's file, changed or not.
    FileSave Save(int version, const CardLayout& layout);

private:
    std::string folder_;
    std::map<int, KnownFile<CardLayout>> files_;
};

}  // namespace vorlant
