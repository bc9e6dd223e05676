#pragma once
#include "trash.h"

namespace platform {

// A trash whose figures the test sets; answers at once, on the caller's thread.
class FakeTrash final : public Trash {
public:
    bool query_ok = true;
    quint64 size_bytes = 0;
    quint64 item_count = 0;
    bool empty_ok = true;   // false: emptying fails and leaves the figures
    int queries = 0;
    int emptyings = 0;

    void query() override
    {
        ++queries;
        emit figures_read(query_ok, query_ok ? size_bytes : 0, query_ok ? item_count : 0);
    }
    void empty() override
    {
        ++emptyings;
        if (empty_ok)
            size_bytes = item_count = 0;
        emit emptied(empty_ok);
    }
};

} // namespace platform
