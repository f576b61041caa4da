// The process-wide books source of the stand-in library.
#include "ledger/standin/source.h"

#include <utility>

namespace ledger {

namespace {
std::unique_ptr<BooksSource> g_source;
std::string g_userId;
unsigned g_generation = 0;
}  // namespace

BooksSource* CurrentSource() { return g_source.get(); }

void SetCurrentSource(std::unique_ptr<BooksSource> source, const std::string& userId) {
    g_source = std::move(source);
    g_userId = userId;
    ++g_generation;
}

const std::string& CurrentUserId() { return g_userId; }

unsigned SourceGeneration() { return g_generation; }

}  // namespace ledger
