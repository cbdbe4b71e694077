#include "app/pictures.h"

#include "platform/application.h"
#include "platform/files.h"

platform::Picture Pictures::load(platform::Picture& cache, const QString& fileName) {
  if (cache.isNull()) {
    const platform::FolderItem folder = platform::FolderItem::bundleResources();
    if (folder.exists()) cache = folder.child(fileName).openAsPicture();
  }
  return cache;
}

platform::Picture Pictures::ecran15() { return load(ecran15_, QStringLiteral("ecran15")); }
platform::Picture Pictures::Icone64() { return load(Icone64_, QStringLiteral("Icone64.png")); }
platform::Picture Pictures::ImageFR() { return load(ImageFR_, QStringLiteral("ImageFR.png")); }
platform::Picture Pictures::ImageEN() { return load(ImageEN_, QStringLiteral("ImageEN.png")); }
platform::Picture Pictures::ImageTRAD() { return load(ImageTRAD_, QStringLiteral("ImageTRAD.png")); }
platform::Picture Pictures::ImageSIMP() { return load(ImageSIMP_, QStringLiteral("ImageSIMP.png")); }
platform::Picture Pictures::ImageBon() { return load(ImageBon_, QStringLiteral("ImageBon.png")); }
platform::Picture Pictures::ImageMauvais() { return load(ImageMauvais_, QStringLiteral("ImageMauvais.png")); }

void Ouvririnternational() { platform::OpenLanguageSettings(); }
