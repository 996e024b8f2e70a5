// SPDX-License-Identifier: GPL-3.0-or-later
// The player's hand and a launcher on a Wayland desktop, for the
// whole-program tests: neither the compositor's own commands nor a key
// typer can press and drag a pointer, or hand out the activation token that
// a launcher gives the program it starts.
//
//   wayland_input pointer WIDTH HEIGHT
//       A pointer on the compositor's seat, driven by lines on stdin, each
//       answered with "ok" once the compositor has it:
//         at X Y       to a point of the screen (WIDTH x HEIGHT pixels)
//         press        the left button down
//         move DX DY   by DX, DY pixels, in ten steps
//         release      the left button up
//   wayland_input token
//       Prints an activation token, as a launcher would put it in the
//       environment of the program it starts.
#include "virtual-pointer-client.h"
#include "xdg-activation-v1-client.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
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
    if (!(mode == "pointer" && argc == 4) && !(mode == "token" && argc == 2)) {
        std::fputs("usage: wayland_input pointer WIDTH HEIGHT | wayland_input token\n", stderr);
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return Fail("no Wayland display");
    Globals g;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &g);
    wl_display_roundtrip(display);
    const int status = mode == "token"
                           ? PrintToken(display, g)
                           : DrivePointer(display, g, static_cast<std::uint32_t>(std::stoul(argv[2])),
                                          static_cast<std::uint32_t>(std::stoul(argv[3])));
    if (g.activation)
        xdg_activation_v1_destroy(g.activation);
    if (g.pointers)
        zwlr_virtual_pointer_manager_v1_destroy(g.pointers);
    if (g.seat)
        wl_seat_destroy(g.seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return status;
}
