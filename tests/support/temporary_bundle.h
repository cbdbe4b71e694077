#pragma once
// Bundles on disk for the tests: the built bundle's Resources folder, and a bundle of the tests'
// own in a temporary folder, whose executable the services can report.

#include <QString>
#include <QTemporaryDir>

// Contents/Resources of the built bundle.
QString builtResources();

// A temporary folder holding <bundleName>/Contents/MacOS/calcimandarix and an empty
// <bundleName>/Contents/Resources.
class TemporaryBundle {
 public:
  explicit TemporaryBundle(const QString& bundleName = QStringLiteral("Calcimandarix.app"));
  QString executable() const;
  // A path in this bundle's Resources folder.
  QString resource(const QString& name) const;
  // Copies a file of the built bundle's Resources into this bundle's.
  bool copyIn(const QString& name) const;
  // Copies the built bundle's Resources, folders included, all but the named item if any.
  void copyResources(const QString& skipped = QString()) const;
  // Puts a document into the Textes folder of the bundle named "Calcimandarix.app" in the
  // temporary folder, which need not be this bundle; returns its path.
  QString addDocument(const QString& name) const;

 private:
  QTemporaryDir dir_;
  QString bundle_;
};
