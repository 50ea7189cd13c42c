#pragma once

class QImage;

namespace vimo {

// The picture drawn behind the plot when the background is shown: 994 x 694 pixels, 256 colours (a soft sky with a
// faint glider), kept as a resource. Loaded once and converted for fast drawing; never changes afterwards.
const QImage& backgroundPicture();

} // namespace vimo
