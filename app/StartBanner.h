#pragma once

namespace app {

// The bitmap id, in the shell file, of the picture on the left edge of the
// classic Start menu, for the running Windows and edition.

int StartBannerBitmapId();

}  // namespace app
