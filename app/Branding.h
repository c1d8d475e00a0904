#pragma once

#include "app/core/PictureTypes.h"

#include <QIcon>
#include <QImage>
#include <functional>
#include <string>

namespace tw {

// What branding changes on the main window.
class BrandingTarget {
public:
    virtual ~BrandingTarget() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetBannerHandCursor() = 0;
    virtual void SetBannerPicture(const QImage& picture) = 0;
    virtual void HideBannerBand() = 0;
    // which: 1 or 2.
    virtual void SetLink(int which, const std::string& caption, const std::string& address) = 0;
    virtual void ApplySkin(const std::string& styleSheet) = 0;
    virtual void SetAppIcon(const QIcon& icon) = 0;
};

// The window's fields that keep the settings.
struct BrandingFields {
    std::string& AffiliateId;
    std::string& BannerUrl;
    std::string& BannerPath;
    std::string& Link1Url;
    std::string& Link1Name;
    std::string& Link2Url;
    std::string& Link2Name;
    std::string& IconPath;
};

// Reads the branding files of the program folder once and applies them.
// A failing step throws and ends the loading there, with what the steps
// before it applied left in place.
class Branding {
public:
    // programFolder ends in its separator.
    Branding(std::string programFolder, BrandingTarget& target, BrandingFields fields);
    void Load();

    // The banner's renames (RenameNoReplace unless replaced): tests make them
    // fail as in a folder that cannot be written, whoever runs the tests.
    using RenameFn = std::function<bool(const std::string& from, const std::string& to)>;
    void SetRenameForTesting(RenameFn rename) { rename_ = std::move(rename); }

private:
    void LoadBanner(const std::string& setting);

    std::string folder_;
    BrandingTarget& target_;
    BrandingFields fields_;
    RenameFn rename_;
};

// A picture file decoded as the given type; throws std::runtime_error with a
// plain text when it cannot be opened or is not a picture of that type.
QImage LoadPicture(const std::string& path, PictureType type);
// Every image of an icon file; throws "Icon image is not valid" for a file
// that is not one.
QIcon LoadIconFile(const std::string& path);

} // namespace tw
