#include "report_documents.h"

#include <type_traits>

namespace rotavex {

namespace {

bool writesSomething(const ReportItem &item)
{
    return std::visit(
        [](const auto &it) {
            using T = std::decay_t<decltype(it)>;
            if constexpr (std::is_same_v<T, TextItem>)
                return !it.text.empty();
            else
                return std::is_same_v<
                           T,
                           FloatItem> || std::is_same_v<T, DoubleItem> || std::is_same_v<T, DateItem> || std::is_same_v<T, TimeItem> || std::is_same_v<T, ChartPicture>;
        },
        item);
}

}   // namespace

std::vector<Report> splitDocuments(const Report &printout)
{
    std::vector<Report> documents;
    Report current;
    bool written = false;
    for (const ReportItem &item : printout.items) {
        if (std::holds_alternative<EndDocument>(item)) {
            if (written) {
                documents.push_back(std::move(current));
                current = Report();
                written = false;
            }
            continue;
        }
        written = written || writesSomething(item);
        current.add(item);
    }
    if (written)
        documents.push_back(std::move(current));
    return documents;
}

}   // namespace rotavex
