# make demo: set up, build, render the gallery (out/gallery/index.html)
# make test: set up, build, run every test
# make fuzz: every fuzz target for FUZZ_SECONDS each (default 600); make bench-batch: batch throughput
ENV := scripts/env

.PHONY: demo test bench bench-batch fuzz setup
demo: setup
	$(ENV) run scripts/demo
test: setup
	$(ENV) run scripts/test
bench: setup
	$(ENV) bench-tools
	$(ENV) run sh -c 'scripts/build build && PYTHONPATH=build/python python3.13 bench/compare.py && PYTHONPATH=build/python python3.13 bench/threads.py && PYTHONPATH=build/python python3.13 bench/bench.py && PYTHONPATH=build/python python3.13 bench/service_bench.py'
setup:
	$(ENV) ensure
bench-batch: setup
	$(ENV) run sh -c 'scripts/build build && PYTHONPATH=build/python python3.13 bench/batch_bench.py $(BENCH_ARGS)'
FUZZ_SECONDS ?= 600
fuzz: setup
	$(ENV) run scripts/fuzz $(FUZZ_SECONDS)
