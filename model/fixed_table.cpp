#include "model/fixed_table.h"

#include <cstdio>
#include <cstdlib>

namespace drovi {

void TableIndexFault(int index, int capacity) {
    std::fprintf(stderr, "drovi: internal error: table index %d outside 1..%d\n", index, capacity);
    std::abort();
}

}  // namespace drovi
