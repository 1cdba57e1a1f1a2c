// The files of one drop on the window.
#pragma once

#include <string>

namespace tarumo {

class DropList {
 public:
  virtual ~DropList() = default;

  virtual unsigned Count() = 0;
  // The name of file `index`; a name longer than 255 bytes arrives cut.
  virtual std::string Name(unsigned index) = 0;
  // Gives the drop back to the system. Calling it again does nothing.
  virtual void Finish() noexcept = 0;
};

}  // namespace tarumo
