#pragma once

#include <string>
#include <vector>

namespace platform {

// What came of opening a document.
enum class OpenResult {
    Started,         // the opener runs, detached
    NoSuchDocument,  // the file is not there: no program was started
    NoOpener,        // no program to open documents is installed
    Failed,          // the opener could not be started
};

// Opening documents (help pages, HTML reports) with the desktop's default
// viewer and printing them. Both are detached and never block.
class IShell {
public:
    virtual ~IShell() = default;
    virtual OpenResult openDocument(const std::string& path) = 0;
    virtual bool printDocument(const std::string& path) = 0;
};

// Starts xdg-open and lp; a document that is not there starts nothing.
class SystemShell : public IShell {
public:
    OpenResult openDocument(const std::string& path) override;
    bool printDocument(const std::string& path) override;
};

// Records the requests and answers as told.
class RecordingShell : public IShell {
public:
    OpenResult openDocument(const std::string& path) override {
        opened.push_back(path);
        return succeed ? OpenResult::Started : OpenResult::Failed;
    }
    bool printDocument(const std::string& path) override {
        printed.push_back(path);
        return succeed;
    }
    std::vector<std::string> opened;
    std::vector<std::string> printed;
    bool succeed = true;
};

IShell& shell();
// Installs a shell; null restores the system shell. Caller keeps ownership.
void setShell(IShell* s);

}  // namespace platform
