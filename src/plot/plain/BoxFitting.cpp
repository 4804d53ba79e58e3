#include "plot/plain/BoxFitting.h"

#include <algorithm>
#include <tuple>

#include "plot/plain/BoxPlacement.h"

namespace {

constexpr int M = TBoxPlacement::Margin;
constexpr int Gap = TBoxPlacement::Gap;

struct Shapes {
    std::vector<TBoxSize> sizes;
    int lines = 0;
    bool whole = true;
};

Shapes layOut(const std::vector<TBoxLayouter>& boxes, const std::vector<TBoxLimit>& limits)
{
    Shapes s;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TBoxShape shape = boxes[i](limits[i]);
        s.sizes.push_back(shape.Size);
        s.lines += shape.Lines;
        s.whole = s.whole && shape.Whole;
    }
    return s;
}

}  // namespace

std::vector<TBoxRoom> BoxRooms(const std::vector<TBoxLayouter>& boxes, TBoxSize area)
{
    // Inside the margins where the area leaves them.
    const TBoxLimit room{area.Width > 4 * M ? area.Width - 2 * M : area.Width,
                         area.Height > 4 * M ? area.Height - 2 * M : area.Height};
    const std::vector<TBoxLimit> whole(boxes.size(), room);
    const Shapes first = layOut(boxes, whole);
    std::vector<TBoxRoom> rooms{{whole, first.sizes, 0}};
    auto offer = [&](const std::vector<TBoxLimit>& limits) {
        const Shapes tried = layOut(boxes, limits);
        if (!tried.whole || tried.sizes == rooms.front().Sizes ||
            !TBoxPlacement::FitsApart(tried.sizes, {room.Width, room.Height}))
            return;
        for (const TBoxRoom& r : rooms)
            if (r.Sizes == tried.sizes)
                return;
        rooms.push_back({limits, tried.sizes, std::max(0, tried.lines - first.lines)});
    };
    // One box (a pillar) at its size, the others beside it or below it,
    // where the boxes cannot stand apart at their sizes.
    const bool apart = TBoxPlacement::FitsApart(first.sizes, {room.Width, room.Height});
    for (std::size_t p = 0; p < boxes.size() && !apart; ++p) {
        if (first.sizes[p].Empty())
            continue;
        for (bool beside : {true, false}) {
            std::vector<TBoxLimit> limits = whole;
            TBoxLimit rest = room;
            if (beside)
                rest.Width -= first.sizes[p].Width + Gap;
            else
                rest.Height -= first.sizes[p].Height + Gap;
            if (rest.Width <= 0 || rest.Height <= 0)
                continue;
            for (std::size_t i = 0; i < boxes.size(); ++i)
                if (i != p)
                    limits[i] = rest;
            offer(limits);
        }
    }
    // Every box in half the width: the other half is left to the curves.
    const TBoxLimit half{(room.Width - Gap) / 2, room.Height};
    if (half.Width > 0)
        offer(std::vector<TBoxLimit>(boxes.size(), half));
    return rooms;
}

TPlacedBoxes PlaceInRooms(TBoxPlacement& placement, const std::vector<TBoxRoom>& rooms,
                          const std::vector<std::optional<TBoxPin>>& pins, const std::vector<bool>& centred,
                          const std::vector<TPoint>& current)
{
    auto rank = [](const TBoxPlacement::Score& s, int wrapped) {
        return std::make_tuple(s.outside, s.overlap, s.peaks, wrapped, s.crowd, s.hidden, s.edge);
    };
    TPlacedBoxes best;
    for (std::size_t k = 0; k < rooms.size(); ++k) {
        std::vector<TBoxRequest> requests;
        for (std::size_t i = 0; i < rooms[k].Sizes.size(); ++i)
            requests.push_back({rooms[k].Sizes[i], i < pins.size() ? pins[i] : std::nullopt,
                                i < centred.size() && centred[i]});
        std::vector<TPoint> placed = placement.Place(requests, current);
        if (k == 0 || rank(placement.LastScore(), rooms[k].Wrapped) < rank(best.Score, rooms[best.Room].Wrapped)) {
            best.Corners = std::move(placed);
            best.Score = placement.LastScore();
            best.Room = k;
        }
    }
    return best;
}
