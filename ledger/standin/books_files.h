// Rows of the books files that the loader reads (UTF-8 CSV with a header
// line): the account master, brought-forward amounts and the journal.
// Amounts are decimal currency units with at most four decimals, converted
// exactly to ten-thousandths. Platform-free.
#ifndef LEDGER_STANDIN_BOOKS_FILES_H
#define LEDGER_STANDIN_BOOKS_FILES_H

#include <cstdint>
#include <string>
#include <vector>

namespace ledger {

// Splits one CSV line (without its line end) into fields. Fields may be
// quoted with '"', a doubled quote standing for one. False on an unclosed
// quote or text after a closing quote.
bool SplitCsvLine(const std::string& line, std::vector<std::string>* pFields);

// "1234", "-0.5", "12.3456": exact ten-thousandths. False for anything else
// (more than four decimals, exponents, separators, a magnitude of 10^14
// units or more).
bool ParseAmount(const std::string& text, int64_t* pValue);

// Why a row was refused: the field's name and the reason.
struct RowError {
    std::string field;
    std::string reason;
};

// accounts.csv: code,name,kind,side,order,omit1,omit2,attr_bits
// code = account * 10000 + sub-account (0 for the account itself); side 1
// debit, 2 credit; attr_bits decimal or 0x hex. The name stays UTF-8 here.
struct AccountRow {
    int32_t code = 0;
    std::string name;
    int32_t kind = 0, side = 1, order = 0, omit1 = 0, omit2 = 0;
    uint32_t attrBits = 0;
};
bool ParseAccountRow(const std::vector<std::string>& f, AccountRow* pRow, RowError* pErr);

// opening.csv: code,debit,credit (brought-forward amounts).
struct OpeningRow {
    int32_t code = 0;
    int64_t debit = 0, credit = 0;
};
bool ParseOpeningRow(const std::vector<std::string>& f, OpeningRow* pRow, RowError* pErr);

// journal.csv: date,period,debit_code,credit_code,amount_nuki,amount_komi
// period empty: the fiscal month of the date (0 here, for the caller to
// derive); 1-12 a fiscal month, 13 year-end closing, 14 interim closing.
struct JournalRow {
    int32_t date = 0, period = 0, debitCode = 0, creditCode = 0;
    int64_t nuki = 0, komi = 0;
};
bool ParseJournalRow(const std::vector<std::string>& f, JournalRow* pRow, RowError* pErr);

// A calendar date yyyymmdd that exists.
bool IsValidDate(int32_t date);

}  // namespace ledger

#endif
