// Writes a small sample collection, for pictures of the program and for trying it out.
// Usage: make_sample OUTPUT.dat
#include <cstdio>

#include "store/DataFile.h"
#include "store/PosixFileSystem.h"

namespace {

struct CSample {
    const char* title;
    const char* link;
    const char* description;
    const char* category;
};

const CSample g_samples[] = {
    {"Weather radar for the coast", "http://www.example.org/radar",
     "Live rain radar, updated every five minutes.", "Weather"},
    {"Sourdough starter guide", "http://bread.example.com/starter",
     "Feeding schedule and hydration table.\r\nKeep at 24 degrees.", "Cooking"},
    {"Tax return 2026", "C:\\Users\\me\\Documents\\Taxes\\2026.pdf",
     "Filed in April; receipt number inside.", "Home"},
    {"Project notes", "C:\\Projects\\notes", "Folder with meeting minutes.", "Work"},
    {"Train timetable", "http://rail.example.net/timetable",
     "Weekday and weekend timetables for the local line.", "Travel"},
    {"Photo backup checklist", "C:\\Users\\me\\Pictures\\backup.txt",
     "Monthly: copy the camera folder to the external disk.", "Home"},
    {"Bird song library", "http://birds.example.org/songs", "Recordings sorted by habitat.",
     "Nature"},
    {"Climbing gym opening hours", "http://climb.example.com/hours", "", "Sport"},
    {"Recipe: lentil soup", "http://food.example.com/lentil-soup", "Serves four. Freezes well.",
     "Cooking"},
    {"Router manual", "C:\\Manuals\\router.pdf", "Admin page at 192.168.1.1.", "Home"},
    {"Conference schedule", "http://conf.example.org/schedule", "Talks in hall B on day two.",
     "Work"},
    {"Hiking map of the ridge", "http://maps.example.net/ridge", "Loop trail, 14 km.", "Travel"},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUTPUT.dat\n");
        return 2;
    }
    CLinkList list;
    int day = 0;
    for (const CSample& sample : g_samples) {
        const CDateTime added(46000.0 + day * 3 + 0.4, CDateTime::valid);
        const CDateTime modified(46000.0 + day * 3 + 1.65, CDateTime::valid);
        list.AddLinkItem(sample.title, sample.link, sample.description, sample.category, added,
                         modified);
        list.Categories().AddIfAbsent(sample.category);
        ++day;
    }
    CPosixFileSystem fileSystem;
    CSystemClock clock;
    CDataFile dataFile(fileSystem, clock);
    if (dataFile.Save(argv[1], list) != ESaveResult::written) {
        std::fprintf(stderr, "%s\n", MessageWriteFailed(argv[1]).c_str());
        return 1;
    }
    return 0;
}
