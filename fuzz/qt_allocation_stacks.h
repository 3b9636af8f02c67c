#pragma once

// For the targets that call into Qt; include it in one source file of each.
//
// Qt's libraries are built without frame pointers. ASan records a stack for
// every allocation with its fast frame-pointer unwinder, which beyond the Qt
// frame that called malloc reads whatever the stack holds as return addresses:
// nearly every allocation made inside Qt gets a stack never seen before, and
// ASan keeps each one until the process ends. That made a long run's memory
// grow without end (the settings-file target: some twenty new stacks an input,
// over a million after a minute). The first two frames, the allocator and the
// function that called it, are always right: only those are recorded. To
// reproduce an artifact with full stacks, unwound slowly but correctly:
//   ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0 <target> <artifact>
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=2";
}
