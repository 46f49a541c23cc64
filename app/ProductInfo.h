#pragma once

#include "Version.h"

// The product's names, version texts and web page, kept in one place.
namespace Product {
constexpr char Name[] = "Quadrix";
constexpr char Title[] = "Quadrix 2012";
// The program's own version (the project's), and the latest version known to
// exist. There is no update feed yet, so both are the same text and the
// program is never out of date.
constexpr char Version[] = QUADRIX_VERSION;
constexpr char LatestKnownVersion[] = QUADRIX_VERSION;
// Where the version check sends the user. A placeholder until the product
// has a public page.
constexpr char Page[] = "https://example.com/quadrix/";
} // namespace Product
