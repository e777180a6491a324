#pragma once

#include <QString>

class RemoteImageView;

// Shows a secret's picture by its imageStr: a photo address (anything with "http") is loaded;
// any other name is a background resource, where a name containing "12" stands for
// background 2; nothing for no name.
void showSecretPicture(RemoteImageView* view, const QString& imageStr);
