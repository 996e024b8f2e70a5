// SPDX-License-Identifier: GPL-3.0-or-later
// The player's hand and a launcher on a Wayland desktop, for the
// whole-program tests: neither the compositor's own commands nor a key
// typer can press and drag a pointer, press a physical key by its number
// whatever keymap the desktop has, or hand out the activation token that a
// launcher gives the program it starts.
//
//   wayland_input pointer WIDTH HEIGHT
//       A pointer on the compositor's seat, driven by lines on stdin, each
//       answered with "ok" once the compositor has it:
//         at X Y       to a point of the screen (WIDTH x HEIGHT pixels)
//         press        the left button down
//         move DX DY   by DX, DY pixels, in ten steps
//         release      the left button up
//   wayland_input keyboard
//       A keyboard with the keymap of a Japanese one (jp106) on the seat,
//       held until the process is ended: prints "ok" once the compositor
//       has it. Started before the programs under test, it keeps the seat
//       a keyboard between the typings below, which need it.
//   wayland_input kana TEXT
//       Types the UTF-8 TEXT as kana input would, on a keyboard of its own
//       with the jp106 keymap: a voiced kana as its plain kana then ゛, a
//       small kana with Shift. Fails, typing nothing, where a character has
//       no kana key.
//   wayland_input code N [shift]
//       Presses and releases the key of X keycode N (Linux key N - 8), with
//       Shift held for "shift".
//   wayland_input token
//       Prints an activation token, as a launcher would put it in the
//       environment of the program it starts.
#include "kana_presses.h"
#include "virtual-keyboard-client.h"
#include "virtual-pointer-client.h"
#include "xdg-activation-v1-client.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
    xdg_activation_v1* activation = nullptr;
};

void Announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    auto* g = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !g->seat)
        g->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        g->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        g->keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    else if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0)
        g->activation = static_cast<xdg_activation_v1*>(
            wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void Withdrawn(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {Announced, Withdrawn};

std::uint32_t Now()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int Fail(const char* what)
{
    std::fprintf(stderr, "wayland_input: %s\n", what);
    return 1;
}

int DrivePointer(wl_display* display, const Globals& g, std::uint32_t width, std::uint32_t height)
{
    if (!g.pointers)
        return Fail("the compositor offers no virtual pointer");
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g.pointers, g.seat);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "at") {
            std::uint32_t x = 0, y = 0;
            words >> x >> y;
            zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (command == "press" || command == "release") {
            zwlr_virtual_pointer_v1_button(pointer, Now(), BTN_LEFT,
                                           command == "press" ? WL_POINTER_BUTTON_STATE_PRESSED
                                                              : WL_POINTER_BUTTON_STATE_RELEASED);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (command == "move") {
            double dx = 0, dy = 0;
            words >> dx >> dy;
            for (int step = 0; step < 10; ++step) {
                zwlr_virtual_pointer_v1_motion(pointer, Now(), wl_fixed_from_double(dx / 10),
                                               wl_fixed_from_double(dy / 10));
                zwlr_virtual_pointer_v1_frame(pointer);
                wl_display_roundtrip(display);
            }
        } else {
            return Fail("unknown command");
        }
        if (wl_display_roundtrip(display) < 0)
            return Fail("the compositor went away");
        std::puts("ok");
        std::fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    return 0;
}

// The keymap of a Japanese keyboard, as the text a virtual keyboard hands
// the compositor, and the mask of its Shift; an empty text where it cannot
// be made. The compositor passes the keymap on to the program, so that the
// program makes of each key what a Japanese keyboard would type.
struct Keymap {
    std::string text;
    std::uint32_t shift = 0;
};

Keymap JapaneseKeymap()
{
    Keymap made;
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return made;
    const xkb_rule_names names = {"evdev", "jp106", "jp", nullptr, nullptr};
    if (xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS)) {
        if (char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1)) {
            made.text = text;
            std::free(text);
        }
        made.shift = 1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_SHIFT);
        xkb_keymap_unref(keymap);
    }
    xkb_context_unref(context);
    return made;
}

// A virtual keyboard on the seat with the Japanese keymap, once the
// compositor has it; none, with a line on stderr, where it cannot be made.
zwp_virtual_keyboard_v1* JapaneseKeyboard(wl_display* display, const Globals& g, const Keymap& keymap)
{
    if (!g.keyboards || !g.seat) {
        Fail("the compositor offers no virtual keyboard");
        return nullptr;
    }
    if (keymap.text.empty()) {
        Fail("no jp106 keymap could be made (is xkb-data installed?)");
        return nullptr;
    }
    // The compositor maps the keymap from a file, with its closing zero.
    const int fd = memfd_create("kibbo-keymap", MFD_CLOEXEC);
    if (fd < 0) {
        Fail("no file for the keymap");
        return nullptr;
    }
    const std::size_t size = keymap.text.size() + 1;
    for (std::size_t written = 0; written < size;) {
        const ssize_t n = write(fd, keymap.text.c_str() + written, size - written);
        if (n <= 0) {
            close(fd);
            Fail("the keymap could not be written");
            return nullptr;
        }
        written += static_cast<std::size_t>(n);
    }
    zwp_virtual_keyboard_v1* keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(g.keyboards, g.seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, static_cast<std::uint32_t>(size));
    // The request carries a copy of the descriptor.
    close(fd);
    if (wl_display_roundtrip(display) < 0) {
        Fail("the compositor refused the keyboard");
        zwp_virtual_keyboard_v1_destroy(keyboard);
        return nullptr;
    }
    return keyboard;
}

// Presses and releases each key in turn on a virtual keyboard of its own,
// each event taken by the compositor before the next is sent.
int TypeKeys(wl_display* display, const Globals& g, const std::vector<kibbo::KeyPress>& presses)
{
    const Keymap keymap = JapaneseKeymap();
    zwp_virtual_keyboard_v1* keyboard = JapaneseKeyboard(display, g, keymap);
    if (!keyboard)
        return 1;
    int status = 0;
    // A key event or modifier state, once the compositor has it.
    auto send = [&](auto request, auto... args) {
        if (status != 0)
            return;
        request(keyboard, args...);
        if (wl_display_roundtrip(display) < 0)
            status = Fail("the compositor went away");
    };
    auto key = [&](std::uint32_t code, bool down) {
        send(zwp_virtual_keyboard_v1_key, Now(), code,
             static_cast<std::uint32_t>(down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED));
    };
    auto shift = [&](bool down) {
        key(KEY_LEFTSHIFT, down);
        send(zwp_virtual_keyboard_v1_modifiers, down ? keymap.shift : 0u, 0u, 0u, 0u);
    };
    for (const kibbo::KeyPress& press : presses) {
        // An X keycode is the Linux key number plus 8.
        const auto code = static_cast<std::uint32_t>(press.keycode - 8);
        if (press.shift)
            shift(true);
        key(code, true);
        key(code, false);
        if (press.shift)
            shift(false);
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    return status;
}

// Holds a keyboard on the seat until ended. The compositor tells its
// programs that the seat has a keyboard only while one is there: without
// this one, each typing's keyboard would come and go before a program had
// taken it, and its keys would be lost.
int HoldKeyboard(wl_display* display, const Globals& g)
{
    zwp_virtual_keyboard_v1* keyboard = JapaneseKeyboard(display, g, JapaneseKeymap());
    if (!keyboard)
        return 1;
    std::puts("ok");
    std::fflush(stdout);
    while (wl_display_dispatch(display) >= 0) {
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    return 0;
}

void TokenDone(void* data, xdg_activation_token_v1*, const char* token)
{
    *static_cast<std::string*>(data) = token;
}

const xdg_activation_token_v1_listener kTokenListener = {TokenDone};

int PrintToken(wl_display* display, const Globals& g)
{
    if (!g.activation)
        return Fail("the compositor offers no activation tokens");
    std::string token;
    xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(g.activation);
    xdg_activation_token_v1_add_listener(request, &kTokenListener, &token);
    xdg_activation_token_v1_commit(request);
    while (token.empty()) {
        if (wl_display_dispatch(display) < 0)
            return Fail("the compositor went away");
    }
    xdg_activation_token_v1_destroy(request);
    std::puts(token.c_str());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    std::optional<std::vector<kibbo::KeyPress>> presses;
    if (mode == "kana" && argc == 3) {
        presses = kibbo::KanaPresses("wayland_input", argv[2]);
        if (!presses)
            return 1;
    } else if (mode == "code") {
        if (const std::optional<kibbo::KeyPress> press = kibbo::CodePress(argc - 2, argv + 2))
            presses = std::vector<kibbo::KeyPress>{*press};
    }
    if (!presses && !(mode == "pointer" && argc == 4) && !(mode == "token" && argc == 2) &&
        !(mode == "keyboard" && argc == 2)) {
        std::fputs("usage: wayland_input pointer WIDTH HEIGHT | wayland_input keyboard |\n"
                   "       wayland_input kana TEXT | wayland_input code N [shift] | wayland_input token\n",
                   stderr);
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return Fail("no Wayland display");
    Globals g;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &g);
    wl_display_roundtrip(display);
    const int status = presses             ? TypeKeys(display, g, *presses)
                       : mode == "keyboard" ? HoldKeyboard(display, g)
                       : mode == "token"    ? PrintToken(display, g)
                                            : DrivePointer(display, g, static_cast<std::uint32_t>(std::stoul(argv[2])),
                                                           static_cast<std::uint32_t>(std::stoul(argv[3])));
    if (g.activation)
        xdg_activation_v1_destroy(g.activation);
    if (g.pointers)
        zwlr_virtual_pointer_manager_v1_destroy(g.pointers);
    if (g.keyboards)
        zwp_virtual_keyboard_manager_v1_destroy(g.keyboards);
    if (g.seat)
        wl_seat_destroy(g.seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return status;
}
