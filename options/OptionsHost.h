// COptionsHost: what the options pages ask of the main window: the data files, the categories,
// the search history, the title-case exceptions and the number format. The main window
// implements it; the pages know nothing else of it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

class COptionsHost {
public:
    virtual ~COptionsHost() = default;

    // The Saving page. No path means the current data file.
    virtual bool SaveDataFile(const std::optional<std::string>& path) = 0;
    virtual bool LoadDataFile(const std::optional<std::string>& path, bool append) = 0;
    virtual void ClearList() = 0;
    virtual bool IsModified() const = 0;
    virtual int GetSavePresses() const = 0;
    virtual const std::string& GetDocumentsFolder() const = 0;

    // The Categories page: the category list in its order; replacing it, and renaming the
    // categories of the records (each record looked up once; the map is emptied).
    virtual std::vector<std::string> GetCategories() const = 0;
    virtual void SetCategories(const std::vector<std::string>& names) = 0;
    virtual void RenameCategories(std::map<std::string, std::string>& oldToNew) = 0;

    // The Searching page.
    virtual bool HasSearchTerms() const = 0;
    virtual void ClearSearchTerms() = 0;

    // The Title Case page.
    virtual std::vector<std::string> GetTitleCaseExceptions() const = 0;
    virtual void SetTitleCaseExceptions(const std::vector<std::string>& exceptions) = 0;
    virtual std::vector<std::string> GetDefaultTitleCaseExceptions() const = 0;

    // The Numbers page: the counters above the list show the new format at once.
    virtual void SetNumberFormat(bool useSeparator, char separator) = 0;
};
