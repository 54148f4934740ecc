"""The Dask example: T+2 settlement and lunar dates of 2 million trades on a
LocalCluster of 2 worker processes equal the single-process call."""
import runpy
import sys
from pathlib import Path

import pytest

EXAMPLE = Path(__file__).resolve().parents[2] / "examples" / "dask_settlement.py"


def test_a_cluster_of_two_workers_settles_as_one_process():
    example = runpy.run_path(str(EXAMPLE), run_name="dask_settlement")
    clustered = example["main"](2_000_000, 2)
    alone = example["settle"](example["trades"](2_000_000))
    assert clustered["settlement"].notna().sum() > 1_990_000 and clustered["lunar_year"].min() == 1997
    assert clustered.equals(alone) and list(clustered.dtypes) == list(alone.dtypes)


if __name__ == "__main__":
    sys.exit(pytest.main([__file__, "-q", "-p", "no:cacheprovider"]))
