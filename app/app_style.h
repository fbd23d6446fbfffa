#pragma once

#include <QProxyStyle>

// The style the platform or the user chose, except that the menu bar's
// overflow button has no icon. Qt's icon for it is a PNG file, and finding a
// reader for it loads every image format plugin (TIFF, WebP, MNG and more)
// while the program starts: a large share of the start-up, for a button that
// the hidden menu bar never shows.
class AppStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of `base`.
    explicit AppStyle(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
