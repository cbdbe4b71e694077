#pragma once
// The bundle's pictures, each loaded on first use and kept; a picture that failed to load is
// tried again at the next call.

#include <QString>

#include "platform/picture.h"

class Pictures {
 public:
  platform::Picture ecran15();
  platform::Picture Icone64();
  platform::Picture ImageFR();
  platform::Picture ImageEN();
  platform::Picture ImageTRAD();
  platform::Picture ImageSIMP();
  platform::Picture ImageBon();
  platform::Picture ImageMauvais();

 private:
  platform::Picture load(platform::Picture& cache, const QString& fileName);

  platform::Picture ecran15_, Icone64_, ImageFR_, ImageEN_, ImageTRAD_, ImageSIMP_, ImageBon_, ImageMauvais_;
};

// Opens the system's language settings.
void Ouvririnternational();
