#include "pentagram/pentagram_spread.h"

#include "catalogue/spread_count.h"

#include <algorithm>
#include <numeric>

namespace morvelin {

CardNo SixthCard(const PentagramCards &cards)
{
    if (std::ranges::find(cards, 0) != cards.end())
        return 0;
    return WrapCardNo(std::accumulate(cards.begin(), cards.end(), 0));
}

QString PositionCaption(int position, const QString &keyword)
{
    return EmptyPositionCaption(position) + u'-' + keyword;
}

QString EmptyPositionCaption(int position)
{
    return QString::number(position);
}

} // namespace morvelin
