#include "files/wb_plain_text.h"

#include <utility>
#include <vector>

#include "whiteboard/wb_record.h"

namespace {

const char kLineFeed = 10;
const char kPlainFormFeed = 12;

bool Below(const ZebWbTextItem& a, const ZebWbTextItem& b)
{
    return a.pt.y > b.pt.y || (a.pt.y == b.pt.y && a.pt.x > b.pt.x);
}

// Item indexes by y, then x: for each place from the last down, every
// earlier item that lies below or right of it changes places with it.
std::vector<LONG> ItemOrder(const ZebWbTextItem* pItems, LONG nCount)
{
    std::vector<LONG> order;
    for (LONG i = 0; i < nCount; ++i)
        order.push_back(i);
    for (LONG i = nCount - 1; i >= 1; --i) {
        for (LONG j = 0; j < i; ++j) {
            if (Below(pItems[order[j]], pItems[order[i]]))
                std::swap(order[j], order[i]);
        }
    }
    return order;
}

void AppendItem(std::string& out, const char* pszText)
{
    bool bAfterLineFeed = false;
    char last = 0;
    for (const char* p = pszText; *p != '\0'; ++p) {
        last = *p;
        if (*p == kLineFeed) {
            out += "\r\n";
            bAfterLineFeed = true;
        } else if (*p == kPlainFormFeed) {
            out += bAfterLineFeed ? "\f" : "\r\n\f";
            bAfterLineFeed = false;
        } else if (static_cast<unsigned char>(*p) >= 32) {
            out += *p;
            bAfterLineFeed = false;
        }
    }
    if (last != kLineFeed && last != kPlainFormFeed)
        out += "\r\n";
}

}  // namespace

std::string WbPlainText(const ZebWbRecord& wb)
{
    std::string out;
    const ZebWbTextItem* pItems = wb.TextItems();
    const LONG nCount = pItems != nullptr ? wb.ChildCount(0) : 0;
    for (LONG i : ItemOrder(pItems, nCount)) {
        if (pItems[i].pszText != nullptr)
            AppendItem(out, pItems[i].pszText);
    }
    return out;
}
