#include "host/seam.h"

HostSeam& Seam() {
  static HostSeam seam;
  return seam;
}
