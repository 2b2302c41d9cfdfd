#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;
using enginetest::Probe;

namespace {

// A scheduler of its own, driven by hand, with probes that are not in any
// scene (the scheduler does not care).
class SchedulerTest : public enginetest::EngineTest {
protected:
    void TearDown() override {
        probes.clear();
        EngineTest::TearDown();
    }
    Probe* probe(const std::string& name) {
        Probe* made = Probe::create(name, &journal);
        probes.pushBack(made);
        return made;
    }
    void every(Probe* target, float interval, SEL_SCHEDULE selector = CC_SCHEDULE_SELECTOR(Probe::tick)) {
        scheduler.schedule(selector, target, interval, Scheduler::kRepeatForever, 0.0f, false);
    }
    void once(Probe* target, float delay, SEL_SCHEDULE selector = CC_SCHEDULE_SELECTOR(Probe::tick)) {
        scheduler.schedule(selector, target, 0.0f, 0, delay, false);
    }

    Scheduler scheduler;
    Vector<Probe*> probes;
};

} // namespace

TEST_F(SchedulerTest, UpdatesInSchedulingOrderThenTimersInCreationOrder) {
    Probe* a = probe("a");
    Probe* b = probe("b");
    Probe* c = probe("c");
    every(c, 0.0f);
    scheduler.scheduleUpdate(b, false);
    every(a, 0.0f);
    scheduler.scheduleUpdate(a, false);
    scheduler.scheduleUpdate(b, false); // already scheduled: no second call
    scheduler.update(0.25f);
    EXPECT_EQ(journal, (std::vector<std::string>{"b.update", "a.update", "c.tick", "a.tick"}));
    EXPECT_EQ(a->lastDt, 0.25f);
    EXPECT_EQ(c->tickArguments, std::vector<float>{0.25f}); // every-frame timers get the frame time
}

TEST_F(SchedulerTest, TimerFiresOncePerElapsedIntervalAndCarriesTheRest) {
    Probe* p = probe("p");
    every(p, 3.0f);
    scheduler.update(10.0f);
    EXPECT_EQ(p->ticks, 3);
    scheduler.update(1.9f); // 1 + 1.9 < 3
    EXPECT_EQ(p->ticks, 3);
    scheduler.update(0.1f);
    EXPECT_EQ(p->ticks, 4);

    Probe* q = probe("q");
    every(q, 1.0f);
    for (int i = 0; i < 59; ++i) scheduler.update(1.0f / 60.0f);
    EXPECT_EQ(q->ticks, 0);
    scheduler.update(1.0f / 60.0f); // sixty float frames make the second
    EXPECT_EQ(q->ticks, 1);
}

TEST_F(SchedulerTest, SchedulingAScheduledKeyOnlyChangesItsInterval) {
    Probe* p = probe("p");
    every(p, 6.0f);
    every(p, 1.0f, CC_SCHEDULE_SELECTOR(Probe::other)); // another key of the same target
    scheduler.update(2.0f);
    EXPECT_EQ(p->ticks, 0);
    EXPECT_EQ(p->others, 2);
    every(p, 3.0f); // keeps its 2 s
    scheduler.update(0.5f);
    EXPECT_EQ(p->ticks, 0);
    scheduler.update(0.5f);
    EXPECT_EQ(p->ticks, 1);
    scheduler.update(3.0f);
    EXPECT_EQ(p->ticks, 2);
}

TEST_F(SchedulerTest, OneShotFiresOnceAfterItsDelayEvenInALongFrame) {
    Probe* p = probe("p");
    once(p, 1.5f);
    scheduler.update(1.0f);
    EXPECT_EQ(p->ticks, 0);
    EXPECT_TRUE(scheduler.isScheduled(CC_SCHEDULE_SELECTOR(Probe::tick), p));
    scheduler.update(10.0f);
    EXPECT_EQ(p->ticks, 1);
    EXPECT_FALSE(scheduler.isScheduled(CC_SCHEDULE_SELECTOR(Probe::tick), p));
    scheduler.update(10.0f);
    EXPECT_EQ(p->ticks, 1);
}

TEST_F(SchedulerTest, CallbacksMayScheduleAndUnscheduleAnythingThemselvesIncluded) {
    Probe* p = probe("p");
    Probe* q = probe("q");
    // A one-shot that re-arms itself fires again one delay later.
    p->onTick = [this, p](float) {
        if (p->ticks < 3) once(p, 1.0f);
    };
    once(p, 1.0f);
    // A repeating timer that ends itself on its second call, in a frame long
    // enough for five.
    q->onTick = [this, q](float) {
        if (q->ticks == 2) scheduler.unschedule(CC_SCHEDULE_SELECTOR(Probe::tick), q);
    };
    every(q, 1.0f);
    scheduler.update(5.0f);
    EXPECT_EQ(q->ticks, 2);
    EXPECT_EQ(p->ticks, 1); // its new timer starts counting next frame
    scheduler.update(1.0f);
    scheduler.update(1.0f);
    scheduler.update(1.0f);
    EXPECT_EQ(p->ticks, 3);
    EXPECT_FALSE(scheduler.isScheduled(CC_SCHEDULE_SELECTOR(Probe::tick), p));

    // An update that unschedules a later update stops it in the same frame;
    // one scheduled during the frame first runs in the next.
    Probe* r = probe("r");
    Probe* s = probe("s");
    Probe* t = probe("t");
    r->onUpdate = [this, s, t](float) {
        scheduler.unscheduleUpdate(s);
        scheduler.scheduleUpdate(t, false);
    };
    scheduler.scheduleUpdate(r, false);
    scheduler.scheduleUpdate(s, false);
    scheduler.update(0.1f);
    EXPECT_EQ(s->updates, 0);
    EXPECT_EQ(t->updates, 0);
    scheduler.update(0.1f);
    EXPECT_EQ(t->updates, 1);
}

TEST_F(SchedulerTest, PausedTargetsAreSkippedAndTheirTimeStandsStill) {
    Probe* p = probe("p");
    every(p, 1.0f);
    scheduler.scheduleUpdate(p, true);
    scheduler.update(0.6f);
    EXPECT_EQ(p->updates, 0); // scheduled paused
    scheduler.resumeTarget(p);
    scheduler.update(0.6f);
    EXPECT_EQ(p->ticks, 1);
    EXPECT_EQ(p->updates, 1);
    scheduler.pauseTarget(p);
    scheduler.update(5.0f);
    EXPECT_EQ(p->ticks, 1);
    EXPECT_EQ(p->updates, 1);
    scheduler.resumeTarget(p);
    scheduler.update(0.7f); // 0.2 + 0.7 < 1
    EXPECT_EQ(p->ticks, 1);
    scheduler.update(0.1f);
    EXPECT_EQ(p->ticks, 2);
}

TEST_F(SchedulerTest, UnscheduleAllForTargetEndsItsUpdateAndTimers) {
    Probe* p = probe("p");
    every(p, 0.0f);
    once(p, 1.0f, CC_SCHEDULE_SELECTOR(Probe::other));
    scheduler.scheduleUpdate(p, false);
    scheduler.unscheduleAllForTarget(p);
    scheduler.update(2.0f);
    EXPECT_TRUE(journal.empty());
}
