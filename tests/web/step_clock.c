// SPDX-License-Identifier: MIT
// Preloaded into the desktop game to draw the picture the browser test
// compares with (tests/web/desktop_reference.sh): the game's clock steps
// exactly 1/60 s with each idle call, Space comes at frame 120 and P at
// frame 180, as the browser test's page script does in the browser.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <string.h>
#include <time.h>

static long frames;
static long long startNs = -1;
static void (*gameIdle)(void);
static void (*gameKey)(unsigned char, int, int);

// Only the game's steady clock (read through libstdc++) is stepped.
int clock_gettime(clockid_t id, struct timespec* ts) {
    static int (*real)(clockid_t, struct timespec*);
    if (!real) real = (int (*)(clockid_t, struct timespec*))dlsym(RTLD_NEXT, "clock_gettime");
    const int result = real(id, ts);
    Dl_info caller;
    if (id != CLOCK_MONOTONIC || !dladdr(__builtin_return_address(0), &caller) ||
        !caller.dli_fname || !strstr(caller.dli_fname, "libstdc++"))
        return result;
    if (startNs < 0) startNs = (long long)ts->tv_sec * 1000000000LL;
    const long long ns = startNs + frames * 1000000000LL / 60;
    ts->tv_sec = ns / 1000000000LL;
    ts->tv_nsec = ns % 1000000000LL;
    return 0;
}

static void steppedIdle(void) {
    ++frames;
    if (gameKey && frames == 120) gameKey(' ', 0, 0);
    if (gameKey && frames == 180) gameKey('p', 0, 0);
    gameIdle();
}

void glutIdleFunc(void (*idle)(void)) {
    void (*real)(void (*)(void)) = (void (*)(void (*)(void)))dlsym(RTLD_NEXT, "glutIdleFunc");
    gameIdle = idle;
    real(idle ? steppedIdle : 0);
}

void glutKeyboardFunc(void (*key)(unsigned char, int, int)) {
    void (*real)(void (*)(unsigned char, int, int)) =
        (void (*)(void (*)(unsigned char, int, int)))dlsym(RTLD_NEXT, "glutKeyboardFunc");
    gameKey = key;
    real(key);
}
