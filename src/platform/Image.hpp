// Handles on managed objects (Image) and on sets of them defined by a
// derivation (Album).
#pragma once

#include <memory>
#include <vector>

#include "platform/Platform.hpp"

class Album;
struct AlbumState;
struct ImageState;

class Image {
public:
    Image();
    // A handle on the object named dn, on the given or the default platform.
    Image(const DataUnit& dn, const DataUnit& objclass = DataUnit(), Platform* platform = nullptr);

    DataUnit get_objname() const;
    DataUnit get_objclass() const;

    // Fetches the object's class and attributes. 1 on success.
    int boot(double timeout = kDefaultTimeoutRequest);
    // An attribute as text (strings bare, other values as JSON); fetches the
    // object first when it was never booted. Empty when absent.
    DataUnit get_str(const DataUnit& attribute, int reserved = 0);
    // Runs an action; the reply text, empty on failure (see status()).
    DataUnit call(const DataUnit& action, const DataUnit& argument,
                  double timeout = kDefaultTimeoutRequest);

    QvStatus status() const;

    // The albums of this image's platform that hold it, oldest first.
    std::vector<Album> albums() const;

private:
    std::shared_ptr<ImageState> state_;
};

// A cursor over an album's images.
class AlbumImage {
public:
    AlbumImage() = default;
    explicit operator bool() const { return valid(); }
    bool valid() const;
    Image image() const;
    AlbumImage next_image() const;

private:
    friend class Album;
    AlbumImage(std::shared_ptr<AlbumState> album, std::size_t index) : album_(std::move(album)), index_(index) {}
    std::shared_ptr<AlbumState> album_;
    std::size_t index_ = 0;
};

// Copies of an Album share one album.
class Album {
public:
    Album();  // no album
    explicit Album(const DataUnit& name, Platform* platform = nullptr);

    bool valid() const;
    // Properties: "TRACKMODE" ("TRACK": the server reports creations and
    // deletions below the base, destroyed objects leave the album),
    // "AUTOIMAGE" ("YES", the default: created objects join the album as
    // images; "NO": they are only reported), "NICKNAME" (the album's name,
    // also how Image::albums() callers tell albums apart). 1 on success.
    int set_prop(const DataUnit& property, const DataUnit& value);
    DataUnit get_prop(const DataUnit& property) const;

    // "BASE/*" or a relative "a=1/*", optionally "/CMISFilter(objectClass=C)".
    int set_derivation(const DataUnit& derivation);
    // Fetches the images. Events that arrive meanwhile are delivered before it
    // returns (and current_cookie() changes). 1 on success.
    int derive(double timeout = kDefaultTimeoutRequest);

    int num_images() const;
    AlbumImage first_image() const;

    // "OBJECT_CREATED", "OBJECT_DESTROYED", "IMAGE_INCLUDED", "IMAGE_EXCLUDED"
    // (the image events follow the object events, once the album changed).
    void when(const DataUnit& event, const Callback& callback);

    // Stops tracking on the server.
    void release();

    QvStatus status() const;

private:
    friend class Image;
    explicit Album(std::shared_ptr<AlbumState> state) : state_(std::move(state)) {}
    std::shared_ptr<AlbumState> state_;
};
