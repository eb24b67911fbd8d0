#pragma once

#include <QTemporaryDir>
#include <string>

// A private directory for one test, removed with the object.
class TempDir {
public:
    TempDir();
    std::string path() const;                        // without a trailing separator
    std::string file(const std::string& name) const; // path + "/" + name
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    QTemporaryDir dir_;
};
