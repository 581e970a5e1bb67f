// Tests of the counters family.
