// Fuzz target: the data-file reader on any bytes. A load ends cleanly, allocates in proportion to
// the input, reads the same through the 4096-byte file buffer as from memory, and what it read is
// written and read back unchanged.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "store/ByteStream.h"
#include "store/DataFile.h"
#include "tests/core/AllocationWatch.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

// The input as a file, so that the reader meets the buffer's refills at every 4096 bytes.
class CSpanFile : public CInputFile {
public:
    CSpanFile(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::size_t Read(void* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, m_size - m_offset);
        if (count != 0) std::memcpy(buffer, m_data + m_offset, count);
        m_offset += count;
        return count;
    }
    std::uint64_t Size() const override { return m_size; }
    bool Failed() const override { return false; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

// Everything a load put into the list: the records with their dates bit for bit, the new-link
// category, and the category names. Names that CompareNatural finds equal ("a1" and "a01") keep
// the order they were inserted in, which a round trip may change, so the names are compared as a
// set.
std::string Contents(const CLinkList& list) {
    std::string out = list.m_strNewCategory + '\n';
    const auto add = [&out](std::string_view text) {
        out += std::to_string(text.size()) + ':';
        out += text;
    };
    std::vector<std::string> names = list.Categories().Names();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) add(name);
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        for (const CCompactString* text :
             {&item.m_strTitle, &item.m_strLink, &item.m_strDescription, &item.m_strCategory})
            add(text->view());
        for (const CDateTime& dt : {item.m_dtAdded, item.m_dtModified}) {
            const double value = dt.GetValue();
            add(std::to_string(dt.GetStatus()));
            add(std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    allocwatch::Install();
    CLinkList list;
    CMemorySource source(data, size);
    allocwatch::Start();
    const CLoadOutcome outcome = CDataFile::ReadBody(source, list);
    // Scratch texts may grow to twice a length and the category table to a few dozen bytes a
    // name; a length or a count trusted beyond the input would ask for far more.
    Require(allocwatch::Stop() <= 64 * size + 65536, "no allocation beyond the input's means");
    Require(outcome.result != ELoadResult::notFound && outcome.result != ELoadResult::outOfMemory,
            "a load from memory is read, refused or fails");
    Require(list.GetCount() == outcome.recordsAdded, "the count reported is the records added");
    Require(outcome.result != ELoadResult::newerVersion || list.GetCount() == 0,
            "a newer version adds nothing");
    const std::string contents = Contents(list);

    CSpanFile file(data, size);
    CFileSource fileSource(file);
    CLinkList throughFile;
    const CLoadOutcome fileOutcome = CDataFile::ReadBody(fileSource, throughFile);
    Require(fileOutcome.result == outcome.result && Contents(throughFile) == contents,
            "the file buffer reads what memory does");

    std::string written;
    CMemorySink sink(written);
    Require(CDataFile::WriteBody(sink, list), "the list read is written");
    CMemorySource writtenSource(written);
    CLinkList again;
    Require(CDataFile::ReadBody(writtenSource, again).result == ELoadResult::loaded &&
                Contents(again) == contents,
            "what was read is written and read back unchanged");
    return 0;
}
