#include "app/Branding.h"

#include "app/core/FileOps.h"
#include "app/core/IniFile.h"
#include "app/core/SkinFile.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <filesystem>
#include <stdexcept>

namespace tw {

namespace {
constexpr const char* kConfigFile = "dbconfig.dat";
constexpr const char* kBannerFile = "dbimg.dat";
constexpr const char* kSkinFile = "dbskin.dat";
constexpr const char* kSection = "Settings";

// Anything at all at that path, a folder too.
bool AnythingAt(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found && !ec;
}

struct TypeInfo {
    const char* format; // Qt's image format; nullptr: told by the content
    const char* invalid;
    bool decodable = true;
};

TypeInfo InfoOf(PictureType type) {
    switch (type) {
    case PictureType::Bitmap:
        return {"bmp", "Bitmap image is not valid"};
    case PictureType::Icon:
        return {"ico", "Icon image is not valid"};
    case PictureType::Gif:
        return {"gif", "GIF image is not valid"};
    case PictureType::Jpeg:
        return {"jpeg", "JPEG image is not valid"};
    case PictureType::Metafile:
        return {nullptr, "Windows metafile pictures (.wmf) cannot be shown on this system", false};
    case PictureType::EnhancedMetafile:
        return {nullptr, "Enhanced metafile pictures (.emf) cannot be shown on this system", false};
    case PictureType::ByContent:
        break;
    }
    return {nullptr, "Picture format is not recognised"};
}
} // namespace

QImage LoadPicture(const std::string& path, PictureType type) {
    const TypeInfo info = InfoOf(type);
    if (!info.decodable)
        throw std::runtime_error(info.invalid);
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!FileExists(path) || !file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open file \"" + path + "\"");
    QImageReader reader(&file, info.format ? QByteArray(info.format) : QByteArray());
    if (info.format) {
        // The extension decides, as it does on Windows: a PNG named .gif
        // is no GIF picture.
        reader.setAutoDetectImageFormat(false);
    } else {
        reader.setDecideFormatFromContent(true);
    }
    QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(std::string(info.invalid) + " (" + path + ")");
    return image;
}

QIcon LoadIconFile(const std::string& path) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open file \"" + path + "\"");
    QImageReader reader(&file, QByteArrayLiteral("ico"));
    reader.setAutoDetectImageFormat(false);
    QIcon icon;
    const int count = reader.canRead() ? reader.imageCount() : 0;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull())
        throw std::runtime_error("Icon image is not valid");
    return icon;
}

Branding::Branding(std::string programFolder, BrandingTarget& target, BrandingFields fields)
    : folder_(std::move(programFolder)), target_(target), fields_(fields), rename_(RenameNoReplace) {}

void Branding::Load() {
    const std::string config = folder_ + kConfigFile;
    if (!FileExists(config))
        return; // no branding at all: no other file is looked at
    const IniFile ini = IniFile::Load(config);
    const auto read = [&ini](const char* key) { return ini.ReadString(kSection, key); };
    const auto keep = [](std::string& field, std::string value) {
        if (!value.empty())
            field = std::move(value);
    };

    if (std::string caption = read("AppName"); !caption.empty())
        target_.SetCaption(caption);
    keep(fields_.AffiliateId, read("AfiliateID"));
    if (std::string url = read("BannerURL"); !url.empty()) {
        fields_.BannerUrl = std::move(url);
        target_.SetBannerHandCursor();
    }
    LoadBanner(read("BannerPath"));

    keep(fields_.Link1Url, read("Link1URL"));
    keep(fields_.Link1Name, read("Link1Name"));
    target_.SetLink(1, fields_.Link1Name, fields_.Link1Url);
    keep(fields_.Link2Url, read("Link2URL"));
    keep(fields_.Link2Name, read("Link2Name"));
    target_.SetLink(2, fields_.Link2Name, fields_.Link2Url);

    if (const std::string skin = folder_ + kSkinFile; FileExists(skin)) {
        const SkinFileContent content = ReadSkinFile(skin);
        if (content.styleSheet)
            target_.ApplySkin(*content.styleSheet);
    }

    keep(fields_.IconPath, read("IconPath"));
    // With an empty name this is the folder itself, which is no file.
    if (const std::string icon = folder_ + FileNamePart(fields_.IconPath); FileExists(icon))
        target_.SetAppIcon(LoadIconFile(icon));
}

void Branding::LoadBanner(const std::string& setting) {
    if (setting.empty()) {
        target_.HideBannerBand();
        return;
    }
    fields_.BannerPath = setting;
    const std::string source = folder_ + kBannerFile;
    if (!FileExists(source)) {
        target_.HideBannerBand();
        return;
    }
    // The picture goes under the setting's name for the moment of loading,
    // so that its extension names the type. The renames never replace a
    // file: a file of that name already there is what gets shown.
    const std::string name = FileNamePart(setting);
    const std::string target = folder_ + name;
    const bool renamed = rename_(source, target);
    // A folder that cannot be written (an installed program): the picture
    // is read where it is, still typed by the target's extension.
    const std::string from = !renamed && !AnythingAt(target) ? source : target;
    try {
        target_.SetBannerPicture(LoadPicture(from, PictureTypeOf(name)));
    } catch (...) {
        if (renamed)
            rename_(target, source);
        throw;
    }
    if (renamed)
        rename_(target, source);
}

} // namespace tw
