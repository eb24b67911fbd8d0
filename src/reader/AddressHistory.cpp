#include "reader/AddressHistory.h"

void AddressHistory::visited(const QString& address) {
    const qsizetype last = items_.lastIndexOf(address);
    if (last >= 0)
        items_.removeAt(last);
    items_.prepend(address);
}
