// Occlusion and pipeline-statistics queries begun and ended at each change of the kind of drawing.
// Apart from the timings: a counted frame is slower, so it is never a timed one.

#include "PassCounter.h"

#include <GL/freeglut.h>
#include <GL/glext.h>

#include <cstring>

namespace {

PFNGLGENQUERIESPROC genQueries = nullptr;
PFNGLBEGINQUERYPROC beginQuery = nullptr;
PFNGLENDQUERYPROC endQuery = nullptr;
PFNGLGETQUERYOBJECTUIVPROC queryResult = nullptr;

PassCounter* counting = nullptr;

constexpr GLenum targets[] = {GL_SAMPLES_PASSED, GL_FRAGMENT_SHADER_INVOCATIONS_ARB, GL_VERTICES_SUBMITTED_ARB};

bool hasExtension(const char* name)
{
    const auto* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (all == nullptr) {
        return false;
    }
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(all, name); at != nullptr; at = std::strstr(at + length, name)) {
        const char end = at[length];
        if ((at == all || at[-1] == ' ') && (end == ' ' || end == '\0')) {
            return true;
        }
    }
    return false;
}

template <typename F>
F lookUp(const char* name)
{
    return reinterpret_cast<F>(glutGetProcAddress(name));
}

} // namespace

bool PassCounter::open()
{
    genQueries = lookUp<PFNGLGENQUERIESPROC>("glGenQueries");
    beginQuery = lookUp<PFNGLBEGINQUERYPROC>("glBeginQuery");
    endQuery = lookUp<PFNGLENDQUERYPROC>("glEndQuery");
    queryResult = lookUp<PFNGLGETQUERYOBJECTUIVPROC>("glGetQueryObjectuiv");
    opened = genQueries != nullptr && beginQuery != nullptr && endQuery != nullptr && queryResult != nullptr;
    statistics = opened && hasExtension("GL_ARB_pipeline_statistics_query");
    return opened;
}

void PassCounter::start()
{
    if (!opened) {
        return;
    }
    used = 0;
    spans.clear();
    counting = this;
    framePassWatcher = watch;
}

void PassCounter::stop()
{
    if (!opened) {
        return;
    }
    framePassWatcher = nullptr;
    counting = nullptr;
    endSpan();
    for (const Span& span : spans) {
        PassCounts& total = totals[static_cast<int>(span.pass)];
        double* fields[queryKinds] = {&total.drawn, &total.shaded, &total.vertices};
        for (int q = 0; q < queryKinds; ++q) {
            if (q != Drawn && !statistics) {
                continue;
            }
            GLuint value = 0;
            queryResult(span.ids[q], GL_QUERY_RESULT, &value);
            *fields[q] += value;
        }
    }
    ++frames;
}

PassCounts PassCounter::perFrame(FramePass pass) const
{
    PassCounts c = totals[static_cast<int>(pass)];
    if (frames > 0) {
        c.drawn /= frames;
        c.shaded /= frames;
        c.vertices /= frames;
    }
    return c;
}

void PassCounter::watch(FramePass pass)
{
    if (counting != nullptr) {
        counting->switchTo(pass);
    }
}

void PassCounter::switchTo(FramePass pass)
{
    if (active && spans.back().pass == pass) {
        return;
    }
    endSpan();
    Span span{pass, {}};
    for (int q = 0; q < queryKinds; ++q) {
        if (q != Drawn && !statistics) {
            continue;
        }
        span.ids[q] = nextId();
        beginQuery(targets[q], span.ids[q]);
    }
    spans.push_back(span);
    active = true;
}

void PassCounter::endSpan()
{
    if (!active) {
        return;
    }
    for (int q = 0; q < queryKinds; ++q) {
        if (q != Drawn && !statistics) {
            continue;
        }
        endQuery(targets[q]);
    }
    active = false;
}

unsigned int PassCounter::nextId()
{
    if (used == pool.size()) {
        pool.resize(pool.size() + 256);
        genQueries(256, pool.data() + used);
    }
    return pool[used++];
}
