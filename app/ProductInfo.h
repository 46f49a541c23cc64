#pragma once

// The product's names, version texts and web page, kept in one place.
namespace Product {
constexpr char Name[] = "Quadrix";
constexpr char Title[] = "Quadrix 2012";
// The program's own version, and the latest version known to exist. There is
// no update feed yet, so both are the same text.
constexpr char Version[] = "2012.01.01";
constexpr char LatestKnownVersion[] = "2012.01.01";
// Where the version check sends the user. A placeholder until the product
// has a public page.
constexpr char Page[] = "https://example.com/quadrix/";
} // namespace Product
