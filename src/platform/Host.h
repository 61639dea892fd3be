// The window system's clock and window size, the only ones the game reads.
// Its own header so tests can install a ManualHost in place of GLUT's.

#pragma once

// What the game asks of the window system besides drawing: the elapsed time
// and the window size. The game reads both only through here, so tests can
// install a ManualHost and run frames at any frame rate they choose.
class Host {
public:
    virtual ~Host() = default;
    // The game's time: the clock less every pause, so that after a pause the
    // game goes on where it stopped, with no step to catch up.
    int elapsedMs() const { return (pausedAt >= 0 ? pausedAt : clockMs()) - pausedFor; }
    void setPaused(bool paused);
    bool paused() const { return pausedAt >= 0; }

    virtual int windowWidth() const = 0;
    virtual int windowHeight() const = 0;
    // The window now has this size (GLUT's reshape callback passes it on).
    virtual void windowResized(int, int) {}
    // Moves the mouse pointer to a place in the window.
    virtual void warpPointer(int, int) {}

    // The host in use: GLUT's unless another one was installed.
    static Host& current();
    // Installs a host; nullptr goes back to GLUT.
    static void install(Host* host);

protected:
    // Milliseconds since the start, pauses included.
    virtual int clockMs() const = 0;

private:
    int pausedAt = -1;
    int pausedFor = 0;
};

// A host whose clock and window size are set by hand.
class ManualHost : public Host {
public:
    int windowWidth() const override { return width; }
    int windowHeight() const override { return height; }

    void advance(int ms) { now += ms; }
    void setTime(int ms) { now = ms; }
    void setWindowSize(int w, int h) { width = w; height = h; }
    void warpPointer(int x, int y) override { warpedTo = {x, y}; }
    struct Point { int x = -1, y = -1; } warpedTo;

protected:
    int clockMs() const override { return now; }

private:
    int now = 0;
    int width = 800;
    int height = 600;
};
