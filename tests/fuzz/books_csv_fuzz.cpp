// Lines of the books files given to the loader: any bytes, split as CSV and
// read as an account, opening and journal row.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ledger/standin/books_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    if (!ledger::SplitCsvLine(line, &fields)) return 0;
    ledger::RowError err;
    ledger::AccountRow account;
    ledger::ParseAccountRow(fields, &account, &err);
    ledger::OpeningRow opening;
    ledger::ParseOpeningRow(fields, &opening, &err);
    ledger::JournalRow journal;
    ledger::ParseJournalRow(fields, &journal, &err);
    for (const std::string& f : fields) {
        int64_t v;
        ledger::ParseAmount(f, &v);
    }
    return 0;
}
