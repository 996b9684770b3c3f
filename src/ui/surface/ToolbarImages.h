#pragma once

#include <QIcon>

namespace orvane {

// The toolbar image list: the pictures the transmit-enable and polarity
// buttons switch between.
namespace toolbar_image {
inline constexpr int TxDisabled = 5;
inline constexpr int TxEnabled = 6;
inline constexpr int Normal = 7;
inline constexpr int Reverse = 8;
} // namespace toolbar_image

// The picture of image list entry `index`; a null icon for an index the list
// does not hold.
QIcon toolbarImage(int index);

} // namespace orvane
