#pragma once

#include <string>

#include "peer/temp_dir.h"

// A fresh temporary folder made the working directory for the life of the
// object, with helpers to put and read files in it.
class ScopedWorkDir {
public:
    ScopedWorkDir() : cwd_(dir_.path()) {}
    const std::string& path() const { return dir_.path(); }
    void write(const std::string& name, const std::string& contents) const {
        writeFileBytes(dir_.file(name), contents);
    }
    std::string read(const std::string& name) const { return readFileBytes(dir_.file(name)); }

private:
    TempDir dir_;
    WorkingDirectory cwd_;
};
