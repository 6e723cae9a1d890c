#include "qxp/picture_check.h"

#include "content/bmp_reader.h"
#include "qxp/commands.h"

namespace qxp {

int CheckPicture(const std::string &path, std::ostream &out) {
  // Read as the References dialog reads it: what it refuses is refused here.
  BitmapResult<TBitmapBlock> picture =
      ReadBitmapFileTopLeft(path, ShownPictureSide, ShownPictureSide);
  if (picture) {
    const TBitmapImage &shown = picture->TopLeft;
    out << path << ": a picture of " << picture->Width << " x " << picture->Height
        << " pixels; the References dialog shows ";
    if (shown.Width == picture->Width && shown.Height == picture->Height) {
      out << "it\n";
      return ExitOk;
    }
    out << "its top-left " << shown.Width << " x " << shown.Height << " pixels\n"
        << path << ": warning: to show all of it, make it " << ShownPictureSide << " x "
        << ShownPictureSide << " pixels or smaller, for example with ImageMagick:\n"
        << "  convert PICTURE -resize " << ShownPictureSide << 'x' << ShownPictureSide
        << " -compress none BMP3:" << path << '\n';
    return ExitOk;
  }
  out << path << ": cannot be shown: " << picture.error().message << '\n';
  if (picture.error().kind != TBitmapFault::CannotOpen)
    out << path
        << ": write it as a Windows BMP without compression (1, 4, 8, 24 or 32 bits, at most "
        << MaxBitmapSide << " pixels a side), for example with ImageMagick:\n"
        << "  convert PICTURE -compress none BMP3:" << path << '\n';
  return ExitFault;
}

} // namespace qxp
