#pragma once

#include <QStringList>

// The addresses the reader has shown, newest first, each at most once.
class AddressHistory {
public:
    // A page was reached: an earlier visit of the same address (compared exactly) gives
    // up its place and the address goes to the top.
    void visited(const QString& address);
    const QStringList& items() const { return items_; }

private:
    QStringList items_;
};
