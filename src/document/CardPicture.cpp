#include "CardPicture.h"

#include "gfx/QuarterTurn.h"

#include <utility>

void layTallFrontOnItsSide(CardPicture& picture)
{
    if (picture.size.width() >= picture.size.height())
        return;
    picture.image =
        turnedQuarter(std::exchange(picture.image, QImage()), QuarterTurn::CounterClockwise);
    picture.size.transpose();
    picture.turned = true;
}
