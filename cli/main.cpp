#include "Version.h"
#include <cstdio>
int main() { std::puts(QUADRIX_VERSION); return 0; }
